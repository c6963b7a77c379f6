-- after terminal_fixture.sql
-- The device table's columns are data: saved columns named unlike their working columns, and a
-- working column named unlike its host.
ALTER TABLE routervariables RENAME COLUMN R1save TO R1s;
ALTER TABLE routervariables RENAME COLUMN R2save TO spare;
ALTER TABLE routervariables RENAME COLUMN R3save TO R3default;
ALTER TABLE routervariables RENAME COLUMN R2 TO branch;
