-- after terminal_fixture.sql
-- The vty password row is missing: a telnet cannot log in anywhere.
DELETE FROM routervariables WHERE Config_Variable = 'linevty_pass';
