-- An exercise with two steps and their commands, and triggers that make the database refuse
-- some writes: the third row of the exercise's deletion (the first command of its first step),
-- a command "reload", a step text with "locked", and a sublab named "Broken".
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO sublab VALUES (1, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (1, 'Enter privileged mode', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (2, 'Enter configuration mode', 1, NULL, NULL, 'R1');
INSERT INTO comrestble VALUES (1, 'enable', 'nill', '>', '#', NULL, 1);
INSERT INTO comrestble VALUES (2, 'configure terminal', 'nill', '#', '(config)#', NULL, 2);
INSERT INTO comrestble VALUES (3, 'disable', 'nill', '#', '>', NULL, 1);
CREATE TRIGGER keep_enable BEFORE DELETE ON comrestble WHEN old."index" = 1
  BEGIN SELECT RAISE(ABORT, 'the disk is write-protected'); END;
CREATE TRIGGER refuse_reload BEFORE INSERT ON comrestble WHEN new.command = 'reload'
  BEGIN SELECT RAISE(ABORT, 'the disk is full'); END;
CREATE TRIGGER refuse_locked BEFORE UPDATE ON instructions WHEN new.instruction LIKE '%locked%'
  BEGIN SELECT RAISE(ABORT, 'the row is locked'); END;
CREATE TRIGGER refuse_broken BEFORE INSERT ON sublab WHEN new.sublabnane = 'Broken'
  BEGIN SELECT RAISE(ABORT, 'the disk is full'); END;
