-- Three routers for the device model tests. Saved columns hold what the working columns held
-- when the terminal loaded, so a test can tell a working write from a saved one.
DROP TABLE routervariables;
CREATE TABLE routervariables (
  Config_Variable TEXT COLLATE NOCASE,
  R1save TEXT COLLATE NOCASE, R1 TEXT COLLATE NOCASE,
  R2save TEXT COLLATE NOCASE, R2 TEXT COLLATE NOCASE,
  R3save TEXT COLLATE NOCASE, R3 TEXT COLLATE NOCASE
);
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3'),
  ('enable_password', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('lineconsole_pass', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('linevty_pass', 'nill', 'nill', 'vault', 'vault', 'nill', 'nill'),
  ('ethernet0_ip_address', '10.0.0.1', '10.0.0.1', '10.0.0.2', '10.0.0.2', 'unassigned', 'unassigned'),
  ('ethernet0_dec_mask', '255.255.255.0', '255.255.255.0', '255.255.255.0', '255.255.255.0', 'unassigned', 'unassigned'),
  ('serial0_ip_address', 'unassigned', 'unassigned', '192.168.1.2', '192.168.1.2', '192.168.1.3', '192.168.1.3'),
  ('serial0_dec_mask', 'unassigned', 'unassigned', '255.255.255.0', '255.255.255.0', '255.255.255.0', '255.255.255.0'),
  ('vlan1_ip_address', 'unassigned', 'unassigned', '172.16.9.9', '172.16.9.9', 'unassigned', 'unassigned'),
  ('ethernet0_shutdown', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('ethernet0_status', 'up', 'up', 'up', 'up', 'up', 'up'),
  ('serial0_shutdown', 'shutdown', 'shutdown', 'nill', 'nill', 'shutdown', 'shutdown'),
  ('serial0_status', 'down', 'down', 'up', 'up', 'down', 'down'),
  ('ethernet0_description', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('routing', 'enable', 'enable', 'enable', 'enable', 'enable', 'enable'),
  ('ipx_routing', 'disable', 'disable', 'disable', 'disable', 'disable', 'disable'),
  ('domain_lookup', 'enable', 'enable', 'enable', 'enable', 'enable', 'enable'),
  ('telnetsession_id', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('startup-config', 'nill', 'nill', 'nill', 'nill', 'nill', 'nill'),
  ('uptime', 'row', 'row', 'row', 'row', 'row', 'row');
