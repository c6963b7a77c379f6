-- Three exercises: steps of two of them interleaved in the table, a step without commands, and
-- one exercise with 25 steps, more than the 24 rows the listing used to have.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO sublab VALUES (1, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (4, 'Interfaces', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (2, 'Long Lab', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (1, 'Enter privileged mode', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (4, 'Name the interface', 4, NULL, NULL, 'R2');
INSERT INTO instructions VALUES (2, 'Look around', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (3, 'Enter configuration mode', 1, NULL, NULL, 'R1');
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25)
  INSERT INTO instructions SELECT 100 + i, 'Step ' || i, 2, NULL, NULL, 'R3' FROM n;
INSERT INTO comrestble VALUES (1, 'enable', 'nill', '>', '#', NULL, 1);
INSERT INTO comrestble VALUES (2, 'configure terminal', 'nill', '#', '(config)#', NULL, 3);
INSERT INTO comrestble VALUES (3, 'disable', 'nill', '#', '>', NULL, 1);
INSERT INTO comrestble VALUES (4, 'interface ethernet0', 'nill', '(config)#', '(config-if)#',
  NULL, 4);
