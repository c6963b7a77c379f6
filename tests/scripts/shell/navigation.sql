-- Two exercises, and a device table the terminal can start on.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO labs VALUES (3, 'Access Lists');
INSERT INTO sublab VALUES (4, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (2, 'Standard ACL', 'nill', 'nill', 'nill', 'nill', 3);

DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1save TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES ('HostName', 'R1', 'R1');
