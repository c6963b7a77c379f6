-- Expected commands of two exercises: one whose steps are interleaved with another exercise's
-- and include a step without commands, and one with 25 commands over two steps, stored
-- alternately, more than the 24 rows the listing used to have.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO sublab VALUES (1, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (2, 'Long Lab', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (1, 'Enter privileged mode', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (11, 'Odd steps', 2, NULL, NULL, 'R3');
INSERT INTO instructions VALUES (2, 'Look around', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (3, 'Enter configuration mode', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (12, 'Even steps', 2, NULL, NULL, 'R3');
INSERT INTO comrestble VALUES (1, 'enable', 'nill', '>', '#', NULL, 1);
INSERT INTO comrestble VALUES (2, 'configure terminal', 'nill', '#', '(config)#', NULL, 3);
INSERT INTO comrestble VALUES (3, 'copy running-config startup-config', 'nill', '#', '#', NULL,
  1);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25)
  INSERT INTO comrestble SELECT 200 + i, 'ping 10.0.0.' || i, 'nill', '#', '#', NULL,
    11 + 1 - i % 2 FROM n;
