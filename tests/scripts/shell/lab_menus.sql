-- Six categories plus one spelt in other letter case; exercises out of key order, a template
-- index 0 and a repeated index.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
INSERT INTO labs VALUES (2, 'Routing Fundamentals Lab');
INSERT INTO labs VALUES (3, 'Access Lists');
INSERT INTO labs VALUES (4, 'Switch Fundamentals');
INSERT INTO labs VALUES (5, 'Switch Configuration And VLAN');
INSERT INTO labs VALUES (6, 'Wide Area Networking');
INSERT INTO labs VALUES (7, 'access lists');

INSERT INTO sublab VALUES (7, 'Extended ACL', 'nill', 'nill', 'nill', 'nill', 3);
INSERT INTO sublab VALUES (2, 'Standard ACL', 'nill', 'nill', 'nill', 'nill', 3);
INSERT INTO sublab VALUES (5, 'Named ACL', 'nill', 'nill', 'nill', 'nill', 3);
INSERT INTO sublab VALUES (3, 'Lower-case category', 'nill', 'nill', 'nill', 'nill', 7);
INSERT INTO sublab VALUES (1, 'Basic Modes', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (0, 'Template index', 'nill', 'nill', 'nill', 'nill', 1);
INSERT INTO sublab VALUES (1, 'Switch basics', 'nill', 'nill', 'nill', 'nill', 4);
INSERT INTO sublab VALUES (4, 'First switch lab', 'nill', 'nill', 'nill', 'nill', 4);
INSERT INTO sublab VALUES (6, 'WAN basics', 'nill', 'nill', 'nill', 'nill', 6);
INSERT INTO sublab VALUES (6, 'WAN basics', 'nill', 'nill', 'nill', 'nill', 6);
