-- The simulated network: routers R1, R2, R3 and switches S1, S2. Every device owns two columns
-- of routervariables: <name>save holds its factory state, <name> its working state (the
-- terminal copies the first over the second each time it opens). All values are text; "nill"
-- means "not set", "unassigned" an interface without address.
--
-- There is one row per setting: the settings the program itself knows, every name the command
-- tree writes (inside a sub-mode with the sub-mode's name in front, e.g. serial0_clock_rate,
-- linevty_pass), and every "$" reference of showcommands.txt.
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

-- Host names differ per device; the terminal starts on the first device column.
INSERT INTO routervariables VALUES
  ('HostName', 'R1', 'R1', 'R2', 'R2', 'R3', 'R3', 'S1', 'S1', 'S2', 'S2');

-- Rows whose factory value is the same on every device, in stored order.
CREATE TEMP TABLE factory (key TEXT, value TEXT);

-- Device-wide settings.
INSERT INTO factory (key, value) VALUES
  ('enable_password',  'nill'),
  ('secret_password',  'nill'),
  ('banner_motd',      'nill'),
  ('routing',          'enable'),
  ('ipx_routing',      'disable'),
  ('domain_lookup',    'enable'),
  ('domain_name',      'nill'),
  ('name_server',      'nill'),
  ('ip_host_name',     'nill'),
  ('ip_host_address',  'nill'),
  ('default_gateway',  'nill'),
  ('route_network',    'nill'),
  ('route_mask',       'nill'),
  ('route_next_hop',   'nill'),
  ('route_ethernet0_network', 'nill'),
  ('route_ethernet0_mask',    'nill'),
  ('route_serial0_network',   'nill'),
  ('route_serial0_mask',      'nill'),
  ('rip_version',      '1'),
  ('routing_network',  'nill'),
  ('accesslist_num',   'nill'),
  ('accesslist_action', 'nill'),
  ('accesslist_source', 'nill'),
  ('ppp_username',     'nill'),
  ('ppp_password',     'nill'),
  ('vlan_name',        'nill'),
  ('vtp_domain',       'nill'),
  ('telnetsession_id', 'nill'),
  ('telneted_host1',   'nill'),
  ('telneted_host2',   'nill'),
  ('telneted_host3',   'nill'),
  ('startup-config',   '%% Non-volatile configuration memory is not present');

-- Interfaces: every setting of the interface mode for every interface that "interface" can
-- select. Router interfaces start shut down and without address; switch ports start up in
-- VLAN 1. Reachability takes a device's first addressed interface in stored order, so
-- ethernet0 comes before serial0.
CREATE TEMP TABLE interface (seq INTEGER, name TEXT, kind TEXT);
INSERT INTO interface VALUES
  (1, 'ethernet0', 'router'), (2, 'serial0', 'router'),
  (3, 'fastethernet0/1', 'port'), (4, 'fastethernet0/2', 'port'),
  (5, 'fastethernet0/3', 'port'), (6, 'fastethernet0/4', 'port'),
  (7, 'fastethernet0/5', 'port'), (8, 'fastethernet0/6', 'port'),
  (9, 'fastethernet0/7', 'port'), (10, 'fastethernet0/8', 'port'),
  (11, 'vlan1', 'router');

CREATE TEMP TABLE interface_setting (seq INTEGER, setting TEXT, router TEXT, port TEXT);
INSERT INTO interface_setting VALUES
  (1, 'ip_address',     'unassigned', 'unassigned'),
  (2, 'dec_mask',       'unassigned', 'unassigned'),
  (3, 'shutdown',       'shutdown',   'nill'),
  (4, 'status',         'down',       'up'),
  (5, 'description',    'nill',       'nill'),
  (6, 'encapsulation',  'arpa',       'arpa'),
  (7, 'clock_rate',     'nill',       'nill'),
  (8, 'cdp',            'enable',     'enable'),
  (9, 'access_vlan',    '1',          '1'),
  (10, 'fr_map_address', 'nill',      'nill'),
  (11, 'fr_map_dlci',   'nill',       'nill'),
  (12, 'bandwidth',     '10000',      '100000');

INSERT INTO factory (key, value)
  SELECT i.name || '_' || s.setting,
         CASE WHEN i.name = 'serial0' AND s.setting = 'encapsulation' THEN 'hdlc'
              WHEN i.name = 'serial0' AND s.setting = 'bandwidth' THEN '1544'
              WHEN i.kind = 'port' THEN s.port ELSE s.router END
  FROM interface i, interface_setting s ORDER BY i.seq, s.seq;

-- Sub-interfaces, selected by "interface" inside the interface mode. The sub-interface mode
-- forgets its interface after a command that ends in a keyword, so its settings exist without
-- a prefix too. A sub-interface exists once it has an address: until then the settings are
-- "nill" and the show output leaves it out.
CREATE TEMP TABLE subinterface (seq INTEGER, prefix TEXT);
INSERT INTO subinterface VALUES (1, 'ethernet0.1_'), (2, 'ethernet0.2_'), (3, 'serial0.1_'), (4, '');

CREATE TEMP TABLE subinterface_setting (seq INTEGER, setting TEXT, value TEXT);
INSERT INTO subinterface_setting VALUES
  (1, 'ip_address', 'nill'),
  (2, 'dec_mask', 'nill'),
  (3, 'description', 'nill'),
  (4, 'dot1q_vlan', 'nill'),
  (5, 'dlci', 'nill');

INSERT INTO factory (key, value)
  SELECT p.prefix || s.setting, s.value
  FROM subinterface p, subinterface_setting s ORDER BY p.seq, s.seq;

-- Lines: the console and the virtual terminals (telnet); likewise without a prefix once the
-- line mode has forgotten its line. An EXEC session times out after 10 minutes by default.
CREATE TEMP TABLE line (seq INTEGER, prefix TEXT);
INSERT INTO line VALUES (1, 'lineconsole_'), (2, 'linevty_'), (3, '');

CREATE TEMP TABLE line_setting (seq INTEGER, setting TEXT, value TEXT);
INSERT INTO line_setting VALUES
  (1, 'pass', 'nill'),
  (2, 'exec_timeout_min', '10'),
  (3, 'exec_timeout_sec', '0'),
  (4, 'access_class', 'nill');

INSERT INTO factory (key, value)
  SELECT p.prefix || s.setting, s.value FROM line p, line_setting s ORDER BY p.seq, s.seq;

INSERT INTO routervariables
  SELECT key, value, value, value, value, value, value, value, value, value, value
  FROM factory ORDER BY rowid;

DROP TABLE line_setting;
DROP TABLE line;
DROP TABLE subinterface_setting;
DROP TABLE subinterface;
DROP TABLE interface_setting;
DROP TABLE interface;
DROP TABLE factory;
