-- Shared fixture of the terminal's transcripts (each NAME.sql beside a script links here): a
-- small command tree in five modes and three routers. R1 has no passwords; R2 asks a vty
-- password; R3 has a console password, an enable password and an enable secret. Mode "#" lists
-- 25 commands (26 lines with the heading), mode "(config)#" 59 (60 lines).

INSERT INTO tblevalsyntax VALUES
  (1, '<A.B.C.D>'), (2, '<WORD>'), (3, '<LINE>'), (4, '<NUMBER>'), (5, '<SECONDS>'),
  (6, '<MINUTES>'), (7, '<PPP/HDLC>'), (8, '<ANUM>'), (9, '<PERMIT/DENY>'), (10, '<AGNUM>'),
  (11, '<TELNET_ID>');

INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, paramname1, paramname2, paramname3, morewords, cmdresponse,
                           commanddesc) VALUES
  (1, '>', 'enable', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Turn on privileged commands'),
  (2, '>', 'show', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Show running system information'),
  (3, '>', 'ping', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Send echo messages'),
  (4, '>', 'telnet', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Open a telnet connection'),
  (5, '>', 'resume', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Resume an active network connection'),
  (6, '>', 'debug', '>', 0, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Debugging functions'),
  (7, '>', 'ssh', '>', 1, 0, 0, NULL, NULL, NULL, 0, 'ssh is not supported here', 'Open a secure shell'),
  (10, '#', 'configure', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Enter configuration mode'),
  (11, '#', 'disable', '>', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Turn off privileged commands'),
  (12, '#', 'show', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Show running system information'),
  (13, '#', 'telnet', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Open a telnet connection'),
  (14, '#', 'resume', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Resume an active network connection'),
  (20, '(config)#', 'hostname', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set system''s network name'),
  (21, '(config)#', 'interface', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Select an interface to configure'),
  (22, '(config)#', 'line', '(config-line)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Configure a terminal line'),
  (23, '(config)#', 'enable', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Modify enable password parameters'),
  (24, '(config)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode'),
  (40, '(config-if)#', 'ip', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Interface Internet Protocol config commands'),
  (41, '(config-if)#', 'shutdown', '(config-if)#', 1, 1, 2, 'shutdown', 'status', NULL, 0, 'nill', 'Shutdown the selected interface'),
  (42, '(config-if)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode'),
  (50, '(config-line)#', 'password', '(config-line)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set a password'),
  (51, '(config-line)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode');

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20)
INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, morewords, cmdresponse, commanddesc)
SELECT 100 + i, '#', printf('zfill%02d', i), '#', 1, 0, 0, 0, 'nill', printf('Filler %d', i) FROM n;

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 54)
INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, morewords, cmdresponse, commanddesc)
SELECT 200 + i, '(config)#', printf('zcfg%02d', i), '(config)#', 1, 0, 0, 0, 'nill',
       printf('Config filler %d', i) FROM n;

INSERT INTO tblsublabcmds1 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (1001, 'history', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Display the session command history', 2),
  (1002, 'history', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Display the session command history', 12),
  (1003, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Ping destination address', 3),
  (1004, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'IP address of a remote system', 4),
  (1005, '<WORD>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Name of a remote system', 4),
  (1006, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'IP address of a remote system', 13),
  (1007, '<WORD>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Name of a remote system', 13),
  (1008, '<TELNET_ID>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Session number', 5),
  (1009, '<TELNET_ID>', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Session number', 14),
  (1010, 'terminal', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Configure from the terminal', 10),
  (1011, '<WORD>', 1, 1, 'HostName', NULL, NULL, 0, 'nill', 'This system''s network name', 20),
  (1012, 'ethernet', 0, 0, NULL, NULL, NULL, 1, 'nill', 'IEEE 802.3', 21),
  (1013, 'console', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Primary terminal line', 22),
  (1014, 'vty', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Virtual terminal', 22),
  (1015, 'secret', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Assign the privileged level secret', 23),
  (1016, 'password', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Assign the privileged level password', 23),
  (1017, 'address', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set the IP address of an interface', 40),
  (1018, '<WORD>', 1, 1, 'pass', NULL, NULL, 0, 'nill', 'The password', 50);

INSERT INTO tblsublabcmds2 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (2001, '0', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Ethernet interface number', 1012),
  (2002, '0', 0, 0, NULL, NULL, NULL, 0, 'nill', 'First line number', 1013),
  (2003, '0', 0, 0, NULL, NULL, NULL, 0, 'nill', 'First line number', 1014),
  (2004, '<WORD>', 1, 1, 'secret_password', NULL, NULL, 0, 'nill', 'The secret', 1015),
  (2005, '<WORD>', 1, 1, 'enable_password', NULL, NULL, 0, 'nill', 'The password', 1016),
  (2006, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 1, 'nill', 'IP address', 1017);

INSERT INTO tblsublabcmds3 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (3001, '<A.B.C.D>', 1, 2, 'ip_address', 'dec_mask', NULL, 0, 'nill', 'IP subnet mask', 2006);

DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1save TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE,
  R2save TEXT COLLATE NOCASE, R2 TEXT COLLATE NOCASE,
  R3save TEXT COLLATE NOCASE, R3 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3'),
  ('enable_password', 'nill', 'nill', 'nill', 'nill', 'en1', 'en1'),
  ('secret_password', 'nill', 'nill', 'nill', 'nill', 'sec', 'sec'),
  ('lineconsole_pass', 'nill', 'nill', 'nill', 'nill', 'abc', 'abc'),
  ('linevty_pass', 'nill', 'nill', 'vault', 'vault', 'nill', 'nill'),
  ('ethernet0_ip_address', '10.0.0.1', '10.0.0.1', '10.0.0.2', '10.0.0.2', 'unassigned', 'unassigned'),
  ('ethernet0_dec_mask', '255.255.255.0', '255.255.255.0', '255.255.255.0', '255.255.255.0', 'unassigned', 'unassigned'),
  ('serial0_ip_address', 'unassigned', 'unassigned', 'unassigned', 'unassigned', 'unassigned', 'unassigned'),
  ('serial0_dec_mask', 'unassigned', 'unassigned', 'unassigned', 'unassigned', 'unassigned', 'unassigned'),
  ('ethernet0_shutdown', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('ethernet0_status', 'up', 'up', 'up', 'up', 'up', 'up'),
  ('serial0_shutdown', 'shutdown', 'shutdown', 'shutdown', 'shutdown', 'shutdown', 'shutdown'),
  ('serial0_status', 'down', 'down', 'down', 'down', 'down', 'down'),
  ('routing', 'enable', 'enable', 'enable', 'enable', 'enable', 'enable'),
  ('telnetsession_id', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('telneted_host1', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('startup-config', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill');
