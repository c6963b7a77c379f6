-- Two categories, each with an exercise; keys are not stored in key order, so a new key must be
-- one more than the largest (8, 13, 21), not one more than the last row's.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO labs VALUES (2, 'Routing Fundamentals Lab');
INSERT INTO sublab VALUES (7, 'Basic Modes', 'nill', 'Modes of the console', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (3, 'Static Routes', 'nill', 'nill', 'nill', 'nill', 2);
INSERT INTO instructions VALUES (12, 'Enter privileged mode', 7, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (5, 'Add a static route', 3, NULL, NULL, 'R2');
INSERT INTO comrestble VALUES (20, 'enable', 'nill', '>', '#', NULL, 12);
INSERT INTO comrestble VALUES (9, 'ip route 10.0.0.0 255.0.0.0 serial0', 'nill', '(config)#',
  '(config)#', NULL, 5);
