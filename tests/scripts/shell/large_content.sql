-- Exercises at and past the 32,767 rows that 16-bit counts hold, as content made outside the
-- program may be: one with exactly 32,767 commands, one with 40,000 commands and one with
-- 40,000 steps (only its first step has a key that fits and a command).
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO sublab VALUES (1, 'Full Lab', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (2, 'Oversized Lab', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (3, 'Many Steps', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO instructions VALUES (1, 'Ping every host', 1, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (2, 'Ping even more hosts', 2, 'nill', 'nill', 'R1');
INSERT INTO instructions VALUES (3, 'Enable', 3, 'nill', 'nill', 'R1');
WITH RECURSIVE n(i) AS (SELECT 40004 UNION ALL SELECT i + 1 FROM n WHERE i < 80002)
  INSERT INTO instructions SELECT i, 'Step ' || (i - 40002), 3, 'nill', 'nill', 'R1' FROM n;
INSERT INTO comrestble VALUES (1, 'enable', 'nill', '>', '#', 'nill', 3);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32767)
  INSERT INTO comrestble SELECT i, 'ping 10.0.' || (i / 256) || '.' || (i % 256), 'nill', '>',
    '>', 'nill', 1 FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000)
  INSERT INTO comrestble SELECT i, 'ping 10.1.' || (i / 256) || '.' || (i % 256), 'nill', '>',
    '>', 'nill', 2 FROM n;
