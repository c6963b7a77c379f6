-- Guided lab exercises. Keys: sublab n, its steps n*100+k, their commands n*1000+j, so every
-- key is unique and rows lie in key order (the step order is the stored order).
-- Multi-line texts are written with plain line breaks; the last statement of this file turns
-- them into CR LF, which the lab windows print.

-- CLI Fundamental Labs ----------------------------------------------------------------------

INSERT INTO sublab VALUES (1, 'User and Privileged Modes', 'diagrams/lab01.gif',
'Log in to router R1, move between user EXEC mode (R1>) and privileged EXEC mode (R1#), and look at the software version and the uptime of the router.',
'User EXEC mode (prompt ending in >) lets you look but not touch: a few show commands, ping and telnet.
Privileged EXEC mode (prompt ending in #) is entered with "enable" and left with "disable". From here you can see every setting, save the configuration and enter global configuration mode.
"show version" tells you the software release, how long the router has been up and how much memory it has.',
'User and privileged EXEC mode', 1);

INSERT INTO instructions VALUES
  (101, 'Enter privileged EXEC mode on R1.', 1, 'nill', 'nill', 'R1'),
  (102, 'Display the software version and the uptime of R1.', 1, 'nill', 'nill', 'R1'),
  (103, 'Return to user EXEC mode.', 1, 'nill', 'nill', 'R1');

INSERT INTO comrestble VALUES
  (1001, 'enable', 'nill', '>', '#', 'nill', 101),
  (1002, 'show version', 'nill', '#', '#', 'nill', 102),
  (1003, 'disable', 'nill', '#', '>', 'nill', 103);

-- Line breaks become CR LF for the console and the flash card.
UPDATE sublab SET Description = replace(Description, char(10), char(13) || char(10)),
                  flashcard = replace(flashcard, char(10), char(13) || char(10));
UPDATE comrestble SET response = replace(response, char(10), char(13) || char(10));
