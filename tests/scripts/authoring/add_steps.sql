-- Two exercises with a step each; the author adds steps and commands to the second.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO labs VALUES (2, 'Routing Fundamentals Lab');
INSERT INTO sublab VALUES (1, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (2, 'Static Routes', 'nill', 'nill', 'nill', 'nill', 2);
INSERT INTO instructions VALUES (1, 'Enter privileged mode', 1, NULL, NULL, 'R1');
INSERT INTO instructions VALUES (2, 'Add a static route', 2, NULL, NULL, 'R2');
INSERT INTO comrestble VALUES (1, 'enable', 'nill', '>', '#', NULL, 1);
INSERT INTO comrestble VALUES (2, 'ip route 10.0.0.0 255.0.0.0 serial0', 'nill', '(config)#',
  '(config)#', NULL, 2);
