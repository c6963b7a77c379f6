-- Shared fixture of the lab transcripts (each NAME.sql beside a script links here): exercises
-- whose steps are stored out of key order, with texts that do not sort in their stored order
-- (the lab follows the stored order), and four devices for the router simulator.

DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1save TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE,
  R2save TEXT COLLATE NOCASE, R2 TEXT COLLATE NOCASE,
  R3save TEXT COLLATE NOCASE, R3 TEXT COLLATE NOCASE,
  S1save TEXT COLLATE NOCASE, S1 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3', 'S1', 'S1'),
  ('enable_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('secret_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('lineconsole_pass', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('accesslist_num', '1', '1', '2', '2', '3', '3', 'nill', 'nill'),
  ('accesslist_action', 'permit', 'permit', 'deny', 'deny', 'permit', 'permit', 'nill', 'nill'),
  ('accesslist_source', 'any', 'any', '10.0.0.0', '10.0.0.0', 'any', 'any', 'nill', 'nill');

INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO labs VALUES (4, 'Switch Fundamentals');

-- 1: four steps on three devices, a diagram named with a backslash, a flash card with heading.
INSERT INTO sublab VALUES (1, 'Router basics', 'diagrams\lab01.gif', 'nill',
  'Privileged mode is entered with enable.' || char(13) || char(10) || 'Save with copy.',
  'Modes and saving', 1);
INSERT INTO instructions VALUES (30, 'Enable', 1, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (10, 'Configure', 1, 'nill', 'nill', 'R2');
INSERT INTO instructions VALUES (20, 'Save', 1, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (40, 'Check the switch', 1, 'nill', 'nill', 'S1');
INSERT INTO comrestble VALUES (101, 'hostname Core', 'nill', '(config)#', '(config)#', 'nill', 10);
INSERT INTO comrestble VALUES (301, 'enable', 'nill', '>', '#', 'nill', 30);
INSERT INTO comrestble VALUES (302, 'configure terminal', 'Enter configuration commands.', '#',
  '(config)#', 'nill', 30);
INSERT INTO comrestble VALUES (201, 'copy running-config startup-config', '[OK]', '#', '#',
  'nill', 20);
INSERT INTO comrestble VALUES (401, 'k', 'nill', 'Null', '>', 'nill', 40);

-- 2: starts on S1; its diagram is missing; no flash card.
INSERT INTO sublab VALUES (2, 'Switch start', 'diagrams/missing.gif', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (50, 'Open the menu', 2, 'nill', 'nill', 'S1');
INSERT INTO comrestble VALUES (501, 'k', 'nill', 'Null', '>', 'nill', 50);

-- 3: the first two steps expect nothing; no diagram; a flash card without heading.
INSERT INTO sublab VALUES (3, 'Skipping', 'nill', 'nill', 'Read every step first.', 'nill', 1);
INSERT INTO instructions VALUES (60, 'Read the diagram', 3, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (61, 'Look at the cabling', 3, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (62, 'Enable', 3, 'nill', 'nill', 'R3');
INSERT INTO instructions VALUES (63, 'Save', 3, 'nill', 'nill', 'R3');
INSERT INTO comrestble VALUES (621, 'enable', 'nill', '>', '#', 'nill', 62);
INSERT INTO comrestble VALUES (631, 'write', '[OK]', '#', '#', 'nill', 63);

-- 4: steps, but no command yet.
INSERT INTO sublab VALUES (4, 'Not written yet', 'diagrams/lab02.gif', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (70, 'Wait for the author', 4, 'nill', 'nill', 'R1');

-- 5, a switch lab: ten devices, more than the nine that were once room for.
INSERT INTO sublab VALUES (5, 'Ten devices', 'diagrams/lab03.gif', 'nill', 'nill', 'nill', 4);
INSERT INTO instructions VALUES (80, 'On R1', 5, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (81, 'On R2', 5, 'nill', 'nill', 'R2');
INSERT INTO instructions VALUES (82, 'On R3', 5, 'nill', 'nill', 'R3');
INSERT INTO instructions VALUES (83, 'On R4', 5, 'nill', 'nill', 'R4');
INSERT INTO instructions VALUES (84, 'On R5', 5, 'nill', 'nill', 'R5');
INSERT INTO instructions VALUES (85, 'On S1', 5, 'nill', 'nill', 'S1');
INSERT INTO instructions VALUES (86, 'On S2', 5, 'nill', 'nill', 'S2');
INSERT INTO instructions VALUES (87, 'On S3', 5, 'nill', 'nill', 'S3');
INSERT INTO instructions VALUES (88, 'On WS11', 5, 'nill', 'nill', 'WS11');
INSERT INTO instructions VALUES (89, 'Again on R1', 5, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (90, 'On WS12', 5, 'nill', 'nill', 'WS12');
INSERT INTO comrestble VALUES (801, 'enable', 'nill', '>', '#', 'nill', 80);
INSERT INTO comrestble VALUES (901, 'enable', 'nill', '>', '#', 'nill', 90);

-- 6: two steps to read, then one to do.
INSERT INTO sublab VALUES (6, 'Read twice', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (100, 'Read the task', 6, 'nill', 'nill', 'R2');
INSERT INTO instructions VALUES (101, 'Read the hints', 6, 'nill', 'nill', 'R2');
INSERT INTO instructions VALUES (102, 'Enable', 6, 'nill', 'nill', 'R2');
INSERT INTO comrestble VALUES (1021, 'enable', 'nill', '>', '#', 'nill', 102);

-- 7: one step to read, then three to do.
INSERT INTO sublab VALUES (7, 'Read once', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (110, 'Read the task', 7, 'nill', 'nill', 'R3');
INSERT INTO instructions VALUES (111, 'Enable', 7, 'nill', 'nill', 'R3');
INSERT INTO instructions VALUES (112, 'Configure', 7, 'nill', 'nill', 'R3');
INSERT INTO instructions VALUES (113, 'Leave', 7, 'nill', 'nill', 'R3');
INSERT INTO comrestble VALUES (1111, 'enable', 'nill', '>', '#', 'nill', 111);
INSERT INTO comrestble VALUES (1121, 'configure terminal', 'nill', '#', '(config)#', 'nill', 112);
INSERT INTO comrestble VALUES (1131, 'end', 'nill', '(config)#', '#', 'nill', 113);

-- 20: a step, two steps without commands, a step.
INSERT INTO sublab VALUES (20, 'Gaps', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (200, 'Enable', 20, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (201, 'Think', 20, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (202, 'Think again', 20, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (203, 'Leave', 20, 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (2001, 'enable', 'nill', '>', '#', 'nill', 200);
INSERT INTO comrestble VALUES (2031, 'disable', 'nill', '#', '>', 'nill', 203);

-- 21: the next step expects again what the step before expected, at the prompt it left.
INSERT INTO sublab VALUES (21, 'Twice', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (210, 'Enable', 21, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (211, 'Enable again', 21, 'nill', 'nill', 'R1');
INSERT INTO comrestble VALUES (2101, 'enable', 'nill', '>', '#', 'nill', 210);
INSERT INTO comrestble VALUES (2111, 'enable', 'already there', '#', '#', 'nill', 211);

-- 22: show commands built for the device the console drives, and on a device without a column
-- of its own, where only a stored response prints.
INSERT INTO sublab VALUES (22, 'Show', 'diagrams/lab04.gif', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (220, 'Show R2''s list', 22, 'nill', 'nill', 'R2');
INSERT INTO instructions VALUES (221, 'Show the host''s list', 22, 'nill', 'nill', 'WS11');
INSERT INTO instructions VALUES (222, 'Show more', 22, 'nill', 'nill', 'WS11');
INSERT INTO comrestble VALUES (2201, 'show access-lists', 'nill', '>', '>', 'nill', 220);
INSERT INTO comrestble VALUES (2211, 'show access-lists', 'nill', '>', '>', 'nill', 221);
INSERT INTO comrestble VALUES (2221, 'show more', 'as stored', '>', '>', 'nill', 222);
