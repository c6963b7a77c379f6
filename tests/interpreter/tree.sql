-- A small command tree in six modes and three devices, for the interpreter's tests.

INSERT INTO tblevalsyntax VALUES
  (1, '<A.B.C.D>'), (2, '<WORD>'), (3, '<LINE>'), (4, '<NUMBER>'), (5, '<SECONDS>'),
  (6, '<MINUTES>'), (7, '<PPP/HDLC>'), (8, '<ANUM>'), (9, '<PERMIT/DENY>'), (10, '<AGNUM>'),
  (11, '<TELNET_ID>'), (12, '<UNRULED>');

INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, paramname1, paramname2, paramname3, morewords, cmdresponse,
                           commanddesc) VALUES
  (1, '>', 'enable', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Turn on privileged commands'),
  (2, '>', 'show', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Show running system information'),
  (3, '>', 'ping', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Send echo messages'),
  (4, '>', 'lock', '>', 1, 0, 0, NULL, NULL, NULL, 0, 'null', 'Lock the terminal'),
  (5, '>', 'debug', '>', 0, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Debugging functions'),
  (6, '>', 'telnet', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Open a telnet connection'),
  (7, '>', 'resume', '>', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Resume an active network connection'),
  (10, '#', 'configure', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Enter configuration mode'),
  (11, '#', 'copy', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Copy from one file to another'),
  (12, '#', 'clock', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Manage the system clock'),
  (13, '#', 'show', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Show running system information'),
  (14, '#', 'erase', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Erase a filesystem'),
  (15, '#', 'ping', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Send echo messages'),
  (16, '#', 'disable', '>', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Turn off privileged commands'),
  (17, '#', 'disconnect', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Disconnect an existing network connection'),
  (18, '#', 'telnet', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Open a telnet connection'),
  (19, '#', 'resume', '#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Resume an active network connection'),
  (20, '(config)#', 'hostname', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set system''s network name'),
  (21, '(config)#', 'ip', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Global IP configuration subcommands'),
  (22, '(config)#', 'ipx', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'IPX global configuration commands'),
  (23, '(config)#', 'interface', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Select an interface to configure'),
  (24, '(config)#', 'line', '(config-line)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Configure a terminal line'),
  (25, '(config)#', 'enable', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Modify enable password parameters'),
  (26, '(config)#', 'no', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Negate a command or set its defaults'),
  (27, '(config)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode'),
  (28, '(config)#', 'banner', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Define a login banner'),
  (29, '(config)#', 'access-list', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Add an access list entry'),
  (30, '(config)#', 'deep', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'A command ten words long'),
  (31, '(config)#', 'many', '(config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Eight values on one line'),
  (40, '(config-if)#', 'ip', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Interface Internet Protocol config commands'),
  (41, '(config-if)#', 'shutdown', '(config-if)#', 1, 1, 2, 'shutdown', 'status', NULL, 0, 'nill', 'Shutdown the selected interface'),
  (42, '(config-if)#', 'no', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Negate a command or set its defaults'),
  (43, '(config-if)#', 'encapsulation', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set encapsulation type for an interface'),
  (44, '(config-if)#', 'speed', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Configure speed operation.'),
  (45, '(config-if)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode'),
  (46, '(config-if)#', 'interface', '(config-if)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Select an interface to configure'),
  (50, '(config-line)#', 'password', '(config-line)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'Set a password'),
  (51, '(config-line)#', 'end', '#', 1, 0, 0, NULL, NULL, NULL, 0, 'nill', 'Exit from configure mode'),
  (60, '(router-config)#', 'ipv6', '(router-config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'IPv6 routing'),
  (61, '(router-config)#', 'ipx', '(router-config)#', 1, 0, 0, NULL, NULL, NULL, 1, 'nill', 'IPX routing');

INSERT INTO tblsublabcmds1 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (101, 'interfaces', 0, 0, NULL, NULL, NULL, 1, 'null', 'Interface status and configuration', 2),
  (102, 'version', 0, 0, NULL, NULL, NULL, 0, 'null', 'System hardware and software status', 2),
  (103, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ping destination address', 3),
  (104, '<WORD>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ping destination host name', 3),
  (105, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'null', 'IP address of a remote system', 6),
  (106, '<WORD>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Name of a remote system', 6),
  (107, '<TELNET_ID>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Session number', 7),
  (110, 'terminal', 0, 0, NULL, NULL, NULL, 0, 'null', 'Configure from the terminal', 10),
  (111, 'running-config', 0, 0, NULL, NULL, NULL, 1, 'null', 'Copy from current system configuration', 11),
  (112, 'set', 0, 0, NULL, NULL, NULL, 1, 'null', 'Set the time and date', 12),
  (146, 'twenty-characters-ab', 0, 0, NULL, NULL, NULL, 0, 'null', 'A keyword of 20 characters', 12),
  (147, 'longer-than-twenty-chars', 0, 0, NULL, NULL, NULL, 0, 'null', 'A keyword of 24', 12),
  (113, 'interfaces', 0, 0, NULL, NULL, NULL, 1, 'null', 'Interface status and configuration', 13),
  (114, 'running-config', 0, 0, NULL, NULL, NULL, 0, 'null', 'Current operating configuration', 13),
  (115, 'history', 0, 0, NULL, NULL, NULL, 0, 'null', 'Display the session command history', 13),
  (116, 'ip', 0, 0, NULL, NULL, NULL, 1, 'null', 'IP information', 13),
  (117, 'startup-config', 0, 0, NULL, NULL, NULL, 0, 'null', 'Erase contents of configuration memory', 14),
  (118, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ping destination address', 15),
  (119, '<WORD>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ping destination host name', 15),
  (120, '<TELNET_ID>', 1, 1, 'telnetsession_id', NULL, NULL, 0, 'null', 'Session to disconnect', 17),
  (121, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 0, 'null', 'IP address of a remote system', 18),
  (122, '<WORD>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Name of a remote system', 18),
  (123, '<TELNET_ID>', 0, 0, NULL, NULL, NULL, 0, 'null', 'Session number', 19),
  (130, '<WORD>', 1, 1, 'HostName', NULL, NULL, 0, 'null', 'This system''s network name', 20),
  (131, 'routing', 1, 1, 'routing', NULL, NULL, 0, 'null', 'Enable IP routing', 21),
  (132, 'domain-lookup', 1, 1, 'domain_lookup', NULL, NULL, 0, 'null', 'Enable IP Domain Name System hostname translation', 21),
  (133, 'routing', 1, 1, 'ipx_routing', NULL, NULL, 0, 'IPX routing enabled', 'Enable IPX routing', 22),
  (134, 'ethernet', 0, 0, NULL, NULL, NULL, 1, 'null', 'IEEE 802.3', 23),
  (135, 'serial', 0, 0, NULL, NULL, NULL, 1, 'null', 'Serial', 23),
  (136, 'console', 0, 0, NULL, NULL, NULL, 1, 'null', 'Primary terminal line', 24),
  (137, 'vty', 0, 0, NULL, NULL, NULL, 1, 'null', 'Virtual terminal', 24),
  (138, 'password', 0, 0, NULL, NULL, NULL, 1, 'null', 'Assign the privileged level password', 25),
  (139, 'secret', 0, 0, NULL, NULL, NULL, 1, 'null', 'Assign the privileged level secret', 25),
  (140, 'ip', 0, 0, NULL, NULL, NULL, 1, 'null', 'Global IP configuration subcommands', 26),
  (141, 'motd', 0, 0, NULL, NULL, NULL, 1, 'null', 'Set Message of the Day banner', 28),
  (142, '<ANUM>', 0, 0, NULL, NULL, NULL, 1, 'null', 'IP standard access list', 29),
  (143, 'd1', 0, 0, NULL, NULL, NULL, 1, 'null', 'level 1', 30),
  (144, 'ipx', 0, 0, NULL, NULL, NULL, 1, 'null', 'IPX global configuration commands', 26),
  (145, '<WORD>', 0, 0, NULL, NULL, NULL, 1, 'null', 'value 1', 31),
  (150, 'address', 0, 0, NULL, NULL, NULL, 1, 'null', 'Set the IP address of an interface', 40),
  (151, 'shutdown', 1, 2, 'shutdown', 'status', NULL, 0, 'null', 'Shutdown the selected interface', 42),
  (152, '<PPP/HDLC>', 1, 1, 'encapsulation', NULL, NULL, 0, 'null', 'Encapsulation type', 43),
  (153, '<NUMBER>', 1, 1, 'speed', NULL, NULL, 0, 'null', 'Speed in bits per second', 44),
  (154, 'ethernet', 0, 0, NULL, NULL, NULL, 1, 'null', 'IEEE 802.3', 46),
  (155, 'serial', 0, 0, NULL, NULL, NULL, 1, 'null', 'Serial', 46),
  (160, '<WORD>', 1, 1, 'pass', NULL, NULL, 0, 'null', 'The line password', 50),
  (161, 'route', 0, 0, NULL, NULL, NULL, 0, 'ipv6 route set', 'Static route', 60),
  (162, 'route', 0, 0, NULL, NULL, NULL, 0, 'ipx route set', 'Static route', 61);

INSERT INTO tblsublabcmds2 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (201, 'ethernet', 0, 0, NULL, NULL, NULL, 1, 'null', 'IEEE 802.3', 113),
  (202, 'serial', 0, 0, NULL, NULL, NULL, 1, 'null', 'Serial', 113),
  (203, 'startup-config', 0, 0, NULL, NULL, NULL, 0, 'null', 'Copy to startup configuration', 111),
  (204, '<MINUTES>', 0, 0, NULL, NULL, NULL, 0, 'Clock set', 'Minutes past the hour', 112),
  (205, 'route', 0, 0, NULL, NULL, NULL, 0, 'null', 'IP routing table', 116),
  (206, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ethernet interface number', 134),
  (207, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'Serial interface number', 135),
  (208, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'First line number', 136),
  (209, '0', 0, 0, NULL, NULL, NULL, 1, 'null', 'First line number', 137),
  (210, '<WORD>', 1, 1, 'enable_password', NULL, NULL, 0, 'null', 'The unencrypted password', 138),
  (211, '<WORD>', 1, 1, 'secret_password', NULL, NULL, 0, 'null', 'The secret', 139),
  (212, 'routing', 1, 1, 'routing', NULL, NULL, 0, 'null', 'Disable IP routing', 140),
  (213, '<LINE>', 1, 1, 'banner_motd', NULL, NULL, 0, 'null', 'c banner-text c', 141),
  (214, '<PERMIT/DENY>', 0, 0, NULL, NULL, NULL, 1, 'null', 'Forward or reject packets', 142),
  (215, 'd2', 0, 0, NULL, NULL, NULL, 1, 'null', 'level 2', 143),
  (216, '<A.B.C.D>', 0, 0, NULL, NULL, NULL, 1, 'null', 'IP address', 150),
  (217, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ethernet interface number', 154),
  (218, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'Serial interface number', 155),
  (219, 'routing', 1, 1, 'ipx_routing', NULL, NULL, 0, 'null', 'Disable IPX routing', 144),
  (220, '<WORD>', 0, 0, NULL, NULL, NULL, 1, 'null', 'value 2', 145);

INSERT INTO tblsublabcmds3 ("index", command, writesconfig, paramcount, paramname1, paramname2,
                            paramname3, morewords, cmdresponse, commanddesc, ref) VALUES
  (301, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'Ethernet interface number', 201),
  (302, '0', 0, 0, NULL, NULL, NULL, 0, 'null', 'Serial interface number', 202),
  (303, '4', 0, 0, NULL, NULL, NULL, 0, 'null', 'Last line number', 209),
  (304, '<A.B.C.D>', 1, 3, 'accesslist_num', 'accesslist_action', 'accesslist_address', 0, 'null', 'Address to match', 214),
  (305, 'd3', 0, 0, NULL, NULL, NULL, 1, 'null', 'level 3', 215),
  (306, '<A.B.C.D>', 1, 2, 'ip_address', 'dec_mask', NULL, 0, 'null', 'IP subnet mask', 216),
  (307, '<WORD>', 0, 0, NULL, NULL, NULL, 1, 'null', 'value 3', 220);

INSERT INTO tblsublabcmds4 ("index", command, morewords, cmdresponse, commanddesc, ref) VALUES
  (401, 'd4', 1, 'null', 'level 4', 305),
  (402, '<WORD>', 1, 'null', 'value 4', 307);
INSERT INTO tblsublabcmds5 ("index", command, morewords, cmdresponse, commanddesc, ref) VALUES
  (501, 'd5', 1, 'null', 'level 5', 401),
  (502, '<WORD>', 1, 'null', 'value 5', 402);
INSERT INTO tblsublabcmds6 ("index", command, morewords, cmdresponse, commanddesc, ref) VALUES
  (601, 'd6', 1, 'null', 'level 6', 501),
  (602, '<WORD>', 1, 'null', 'value 6', 502);
INSERT INTO tblsublabcmds7 ("index", command, morewords, cmdresponse, commanddesc, ref) VALUES
  (701, 'd7', 1, 'null', 'level 7', 601),
  (702, '<WORD>', 1, 'null', 'value 7', 602);
INSERT INTO tblsublabcmds8 ("index", command, morewords, cmdresponse, commanddesc, ref) VALUES
  (801, 'd8', 1, 'null', 'level 8', 701);
INSERT INTO tblsublabcmds8 ("index", command, writesconfig, paramcount, paramname1, morewords,
                            cmdresponse, commanddesc, ref) VALUES
  (802, '<WORD>', 1, 1, 'banner_motd', 0, 'null', 'value 8', 702);
INSERT INTO tblsublabcmds9 ("index", command, morewords, cmdresponse, commanddesc, ref) VALUES
  (901, 'd9', 1, 'bottom', 'level 9', 801);

-- Three devices: a saved and a working column each.
DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1s TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE,
  R2s TEXT COLLATE NOCASE, R2 TEXT COLLATE NOCASE,
  R3s TEXT COLLATE NOCASE, R3 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3'),
  ('enable_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('secret_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('lineconsole_pass', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('linevty_pass', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('ethernet0_ip_address', '10.0.0.1', '10.0.0.1', '10.0.0.2', '10.0.0.2', 'unassigned', 'unassigned'),
  ('ethernet0_dec_mask', '255.255.255.0', '255.255.255.0', '255.255.255.0', '255.255.255.0', 'nill', 'nill'),
  ('serial0_ip_address', 'unassigned', 'unassigned', 'unassigned', 'unassigned', '20.0.0.3', '20.0.0.3'),
  ('serial0_dec_mask', 'nill', 'nill', 'nill', 'nill', '255.255.255.252', '255.255.255.252'),
  ('ethernet0_shutdown', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('serial0_shutdown', 'nill', 'nill', 'nill', 'nill', 'shutdown', 'shutdown'),
  ('ethernet0_status', 'up', 'up', 'up', 'up', 'up', 'up'),
  ('serial0_status', 'up', 'up', 'up', 'up', 'down', 'down'),
  ('ethernet0_encapsulation', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('serial0_encapsulation', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('ethernet0_speed', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('routing', 'enable', 'enable', 'enable', 'enable', 'disable', 'disable'),
  ('ipx_routing', 'disable', 'disable', 'disable', 'disable', 'disable', 'disable'),
  ('domain_lookup', 'disable', 'disable', 'disable', 'disable', 'disable', 'disable'),
  ('banner_motd', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('accesslist_num', '10', '10', '20', '20', 'nill', 'nill'),
  ('accesslist_action', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('accesslist_address', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('telnetsession_id', 'nill', 'nill', '7', 'nill', 'nill', '3'),
  ('telneted_host1', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('telneted_host2', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('telneted_host3', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('startup-config', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill');
