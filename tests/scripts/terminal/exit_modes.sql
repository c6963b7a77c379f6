-- One router and one first word per mode that enters the four sub-modes not reached through
-- "interface" or "line", plus a mode that the console does not know, where "exit" is a command
-- of the tree like any other.
INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, morewords, cmdresponse, commanddesc) VALUES
  (1, '>', 'enable', '#', 1, 0, 0, 0, 'nill', 'Turn on privileged commands'),
  (2, '#', 'configure', '(config)#', 1, 0, 0, 0, 'nill', 'Enter configuration mode'),
  (3, '(config)#', 'subif', '(config-subif)#', 1, 0, 0, 0, 'nill', 'Sub-interface'),
  (4, '(config)#', 'controller', '(config-controller)#', 1, 0, 0, 0, 'nill', 'Controller'),
  (5, '(config)#', 'acl', '(config-ext-nacl)#', 1, 0, 0, 0, 'nill', 'Extended access list'),
  (6, '(config)#', 'router', '(router-config)#', 1, 0, 0, 0, 'nill', 'Routing process'),
  (7, '(config)#', 'vlan', '(config-vlan)#', 1, 0, 0, 0, 'nill', 'VLAN'),
  (8, '(config-vlan)#', 'exit', '(config)#', 1, 0, 0, 0, 'leaving the vlan', 'Exit');

DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1save TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1'),
  ('enable_password', 'nill', 'nill'),
  ('secret_password', 'nill', 'nill'),
  ('lineconsole_pass', 'nill', 'nill');
