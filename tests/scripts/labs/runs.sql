-- after lab_fixture.sql
-- A lab run and what lies beside it: a small command tree for the router simulator, an exercise
-- that renames its device and writes an access list, and twenty-five steps whose score has a
-- decimal text longer than three characters.

INSERT INTO tblevalsyntax VALUES
  (1, '<A.B.C.D>'), (2, '<WORD>'), (3, '<LINE>'), (4, '<NUMBER>'), (5, '<SECONDS>'),
  (6, '<MINUTES>'), (7, '<PPP/HDLC>'), (8, '<ANUM>'), (9, '<PERMIT/DENY>'), (10, '<AGNUM>'),
  (11, '<TELNET_ID>');

INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, paramname1, paramname2, paramname3, morewords, cmdresponse,
                           commanddesc) VALUES
  (1, '>', 'enable', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Turn on privileged commands'),
  (10, '#', 'configure', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Enter configuration mode'),
  (20, '(config)#', 'hostname', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set system''s network name'),
  (21, '(config)#', 'interface', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Select an interface to configure'),
  (22, '(config)#', 'access-list', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Add an access list entry'),
  (23, '(config)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode'),
  (40, '(config-if)#', 'ip', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Interface Internet Protocol config commands'),
  (41, '(config-if)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode');

INSERT INTO tblsublabcmds1 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (1001, 'terminal', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Configure from the terminal', 10),
  (1002, '<WORD>', 1, 1, 'HostName', NULL, NULL, 0, 'null', 'This system''s network name', 20),
  (1003, 'ethernet', 0, 0, NULL, NULL, NULL, 1, 'nill', 'IEEE 802.3', 21),
  (1004, '<ANUM>', 0, 0, NULL, NULL, NULL, 1, 'nill', 'IP standard access list', 22),
  (1005, 'address', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set the IP address of an interface', 40);

INSERT INTO tblsublabcmds2 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (2001, '0', 0, 0, NULL, NULL, NULL, 0, 'nill', 'Ethernet interface number', 1003),
  (2002, '<PERMIT/DENY>', 0, 0, NULL, NULL, NULL, 1, 'nill', 'Forward or drop', 1004),
  (2003, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 1, 'nill', 'IP address', 1005);

INSERT INTO tblsublabcmds3 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (3001, 'any', 1, 2, 'accesslist_num', 'accesslist_action', NULL, 0, 'nill', 'Any source host',
   2002),
  (3002, '<A.B.C.D>', 1, 2, 'ip_address', 'dec_mask', NULL, 0, 'nill', 'IP subnet mask', 2003);

INSERT INTO routervariables VALUES
  ('ethernet0_ip_address', '10.0.0.1', '10.0.0.1', '10.0.0.2', '10.0.0.2', 'unassigned',
   'unassigned', 'nill', 'nill'),
  ('ethernet0_dec_mask', '255.255.255.0', '255.255.255.0', '255.255.255.0', '255.255.255.0',
   'unassigned', 'unassigned', 'nill', 'nill');

-- 31: on R1, renamed, an access list in global configuration mode.
INSERT INTO sublab VALUES (31, 'Access list', 'diagrams/lab01.gif', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (310, 'Configure R1', 31, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (311, 'Write the list', 31, 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (3101, 'enable', 'nill', '>', '#', 'nill', 310);
INSERT INTO comrestble VALUES (3102, 'configure terminal', 'nill', '#', '(config)#', 'nill', 310);
INSERT INTO comrestble VALUES (3103, 'hostname Core', 'nill', '(config)#', '(config)#', 'nill', 310);
INSERT INTO comrestble VALUES (3111, 'access-list 1 permit any', 'nill', '(config)#', '(config)#',
  'nill', 311);
INSERT INTO comrestble VALUES (3112, 'end', 'nill', '(config)#', '#', 'nill', 311);

-- 30: steps 1-9 and 11-18 expect nothing, so that 9 and then 18 of 25 steps are done.
INSERT INTO sublab VALUES (30, 'Twenty-five steps', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (3001, 'Step 1', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3002, 'Step 2', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3003, 'Step 3', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3004, 'Step 4', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3005, 'Step 5', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3006, 'Step 6', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3007, 'Step 7', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3008, 'Step 8', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3009, 'Step 9', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3010, 'Step 10', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3011, 'Step 11', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3012, 'Step 12', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3013, 'Step 13', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3014, 'Step 14', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3015, 'Step 15', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3016, 'Step 16', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3017, 'Step 17', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3018, 'Step 18', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3019, 'Step 19', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3020, 'Step 20', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3021, 'Step 21', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3022, 'Step 22', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3023, 'Step 23', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3024, 'Step 24', 30, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3025, 'Step 25', 30, 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (30101, 'enable', 'nill', '>', '#', 'nill', 3010);
INSERT INTO comrestble VALUES (30191, 'disable', 'nill', '#', '>', 'nill', 3019);
INSERT INTO comrestble VALUES (30201, 'enable', 'nill', '>', '#', 'nill', 3020);
