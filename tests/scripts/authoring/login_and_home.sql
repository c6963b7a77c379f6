-- One exercise under one category: the administrator area needs nothing more to open.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO sublab VALUES (1, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
