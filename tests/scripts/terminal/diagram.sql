-- Four devices for the network diagram: D4 has the same host name as R2; R3 asks a console
-- password.
INSERT INTO tblsublabcmds ("index", commandprompt, command, nextprompt, cmdenabled, writesconfig,
                           paramcount, morewords, cmdresponse, commanddesc) VALUES
  (1, '>', 'enable', '#', 1, 0, 0, 0, 'nill', 'Turn on privileged commands');

DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1save TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE,
  R2save TEXT COLLATE NOCASE, R2 TEXT COLLATE NOCASE,
  R3save TEXT COLLATE NOCASE, R3 TEXT COLLATE NOCASE,
  D4save TEXT COLLATE NOCASE, D4 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3', 'R2', 'R2'),
  ('enable_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('secret_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('lineconsole_pass', 'nill', 'nill', 'nill', 'nill', 'abc', 'abc', 'nill', 'nill');
