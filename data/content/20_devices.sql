-- The simulated network: routers R1, R2, R3 and switches S1, S2. Every device owns two columns
-- of routervariables: <name>save holds its factory state, <name> its working state (the
-- terminal copies the first over the second each time it opens). All values are text; "nill"
-- means "not set".
DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable  TEXT COLLATE NOCASE,
  R1save           TEXT COLLATE NOCASE,
  R1               TEXT COLLATE NOCASE,
  R2save           TEXT COLLATE NOCASE,
  R2               TEXT COLLATE NOCASE,
  R3save           TEXT COLLATE NOCASE,
  R3               TEXT COLLATE NOCASE,
  S1save           TEXT COLLATE NOCASE,
  S1               TEXT COLLATE NOCASE,
  S2save           TEXT COLLATE NOCASE,
  S2               TEXT COLLATE NOCASE
);

-- Settings whose factory value is the same on every device. Row order matters: reachability
-- takes a device's first addressed interface in stored order, so ethernet0 comes before serial0.
CREATE TEMP TABLE factory (key TEXT, value TEXT);
INSERT INTO factory (key, value) VALUES
  ('enable_password',      'nill'),
  ('secret_password',      'nill'),
  ('lineconsole_pass',     'nill'),
  ('linevty_pass',         'nill'),
  ('ethernet0_ip_address', 'unassigned'),
  ('ethernet0_dec_mask',   'unassigned'),
  ('serial0_ip_address',   'unassigned'),
  ('serial0_dec_mask',     'unassigned'),
  ('ethernet0_shutdown',   'shutdown'),
  ('serial0_shutdown',     'shutdown'),
  ('routing',              'enable'),
  ('accesslist_num',       'nill'),
  ('telnetsession_id',     'nill'),
  ('telneted_host1',       'nill'),
  ('telneted_host2',       'nill'),
  ('telneted_host3',       'nill'),
  ('startup-config',       '%% Non-volatile configuration memory is not present');

-- Host names differ per device; the terminal starts on the first device column.
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3', 'S1', 'S1', 'S2', 'S2');

INSERT INTO routervariables
  SELECT key, value, value, value, value, value, value, value, value, value, value
  FROM factory ORDER BY rowid;

DROP TABLE factory;
