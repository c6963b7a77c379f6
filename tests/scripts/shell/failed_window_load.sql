-- Lab menus, but a device table without any device column: the terminal can't load.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO sublab VALUES (4, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO routervariables VALUES ('HostName');
