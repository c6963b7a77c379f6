-- The command vocabulary of the simulated devices.
--
-- Every node of the tree is one row of the staging table `cmd`, named by its mode and its path
-- (the words from the first one down to the node, joined by single blanks). The statements at
-- the end of this file number the nodes and spread them over tblsublabcmds (first words) and
-- tblsublabcmds1..9 (second to tenth words). A node takes more words exactly when it has
-- children, so every prefix of a command must be listed, each with its own help text.
--
--   mode      prompt suffix in which the first word is typed
--   path      the words; a word in angle brackets is one of the placeholders of tblevalsyntax
--   next      first words only: the mode after the command (NULL: the mode stays)
--   params    routervariables keys written when the command ends at this node, blank
--             separated, at most three; inside an interface or line sub-mode the interpreter
--             puts the sub-mode's name and "_" in front of each
--   response  printed when the command ends at this node (NULL: nothing)
--   help      the text shown by "?" and on the supported-commands page
--
-- Only placeholder words carry values into params, except for the commands whose keywords
-- decide the value (shutdown, no shutdown, ip routing, ip domain-lookup, cdp enable, ipx
-- routing and their no forms). A node that ends in a plain keyword writes only the values of
-- the placeholder words before it (access-class 10 in writes 10).
-- Children are numbered in the order of their paths, so "?" lists them alphabetically.
--
-- What the mechanisms allow, and so what this vocabulary can offer:
-- - A node either ends a command or takes more words, never both: a command has no optional
--   last word. So "description" and "banner motd" take one word, "show vlan" needs "brief",
--   and an interface is named in two words ("serial 0"), never joined ("serial0").
-- - A typed word abbreviates a keyword, so "s0" can never name "serial 0".
-- - The first word of a command decides the mode after it, per mode: "interface" in interface
--   mode selects a sub-interface, so it cannot select another interface there.
-- - A command that ends in a value keeps the mode and, inside a sub-mode, writes that
--   sub-mode's settings; global commands that store a value are therefore typed in global
--   configuration only, while those that enter a mode are offered in every sub-mode.
-- - "ip" in global configuration leads to the entry mode of a named access list, so that
--   "ip access-list standard|extended NAME" enters it; every other "ip" command therefore ends
--   in a value (which keeps the mode), and "ip routing" and "ip domain-lookup", which cannot,
--   are not offered. "no ip domain-lookup" is; "no ip routing" is not, since routing could not
--   be switched on again.
-- - Only a value typed in a placeholder word is stored; "<NUMBER>" is 1200 only, so the other
--   clock rates are keywords that store nothing. "<SECONDS>" (below 3600) serves as the number
--   of extended access lists, DLCIs and bandwidths.

CREATE TEMP TABLE cmd (
  mode      TEXT NOT NULL,
  path      TEXT NOT NULL,
  next      TEXT,
  params    TEXT,
  response  TEXT,
  help      TEXT NOT NULL
);

-- The modes in the order in which their first words are stored.
CREATE TEMP TABLE mode_order (rank INTEGER, mode TEXT);
INSERT INTO mode_order VALUES
  (0, ''), (1, '>'), (2, '#'), (3, '(config)#'), (4, '(config-if)#'), (5, '(config-subif)#'),
  (6, '(config-line)#'), (7, '(config-controller)#'), (8, '(config-ext-nacl)#'),
  (9, '(router-config)#'), (10, '(config-vlan)#');

-- Switch management console (no prompt) --------------------------------------------------------
-- A switch whose console has not been opened yet shows its management menu; K opens the
-- command line.
INSERT INTO cmd VALUES
  ('', 'k', '>', NULL,
   'CLI session with the switch is open.
To end the CLI session, enter [Exit].', 'Command Line interface');

-- Privileged EXEC (#) ----------------------------------------------------------------------------
-- A device reached with telnet or resume starts in user mode.
INSERT INTO cmd VALUES
  ('#', 'configure', '(config)#', NULL, NULL, 'Enter configuration mode'),
  ('#', 'configure terminal', NULL, NULL,
   'Enter configuration commands, one per line.  End with CNTL/Z.',
   'Configure from the terminal'),
  ('#', 'copy', NULL, NULL, NULL, 'Copy configuration or image data'),
  ('#', 'copy running-config', NULL, NULL, NULL, 'Copy from current system configuration'),
  ('#', 'copy running-config startup-config', NULL, NULL,
   'Destination filename [startup-config]?
Building configuration...
[OK]', 'Copy to startup configuration'),
  ('#', 'debug', NULL, NULL, NULL, 'Debugging functions (no messages follow in the simulator)'),
  ('#', 'debug frame-relay', NULL, NULL, NULL, 'Frame Relay information'),
  ('#', 'debug frame-relay lmi', NULL, NULL, 'Frame Relay LMI debugging is on',
   'LMI packet exchanges with the provider'),
  ('#', 'debug ip', NULL, NULL, NULL, 'IP information'),
  ('#', 'debug ip packet', NULL, NULL, 'IP packet debugging is on', 'General IP debugging'),
  ('#', 'debug ip rip', NULL, NULL, 'RIP protocol debugging is on', 'RIP protocol transactions'),
  ('#', 'debug ppp', NULL, NULL, NULL, 'PPP information'),
  ('#', 'debug ppp authentication', NULL, NULL, 'PPP authentication debugging is on',
   'CHAP and PAP exchanges'),
  ('#', 'disable', '>', NULL, NULL, 'Turn off privileged commands'),
  ('#', 'disconnect', NULL, NULL, NULL, 'Disconnect an existing telnet session'),
  ('#', 'disconnect <TELNET_ID>', NULL, 'telnetsession_id', NULL,
   'The number of an active telnet session'),
  ('#', 'erase', NULL, NULL, NULL, 'Erase a filesystem'),
  ('#', 'erase startup-config', NULL, NULL,
   'Erasing the nvram filesystem will remove all configuration files! Continue? [confirm]
[OK]
Erase of nvram: complete', 'Erase contents of configuration memory'),
  ('#', 'exit', '>', NULL, NULL, 'Leave privileged mode'),
  ('#', 'no', NULL, NULL, NULL, 'Disable debugging functions'),
  ('#', 'no debug', NULL, NULL, NULL, 'Debugging functions'),
  ('#', 'no debug all', NULL, NULL, 'All possible debugging has been turned off',
   'Disable all debugging'),
  ('#', 'ping', NULL, NULL, NULL, 'Send echo messages'),
  ('#', 'ping <A.B.C.D>', NULL, NULL, NULL, 'Ping destination address'),
  ('#', 'ping <WORD>', NULL, NULL, NULL, 'Ping destination host name'),
  ('#', 'reload', NULL, NULL, 'Proceed with reload? [confirm]',
   'Halt and perform a cold restart (the simulator only asks)'),
  ('#', 'resume', '>', NULL, NULL, 'Resume an active telnet session'),
  ('#', 'resume <TELNET_ID>', NULL, NULL, NULL, 'The number of an active telnet session'),
  ('#', 'show', NULL, NULL, NULL, 'Show running system information'),
  ('#', 'show access-lists', NULL, NULL, NULL, 'List access lists'),
  ('#', 'show cdp', NULL, NULL, NULL, 'CDP information'),
  ('#', 'show clock', NULL, NULL, NULL, 'Display the system clock'),
  ('#', 'show cdp neighbors', NULL, NULL, NULL, 'CDP neighbor entries'),
  ('#', 'show controllers', NULL, NULL, NULL, 'Interface controller status'),
  ('#', 'show controllers serial', NULL, NULL, NULL, 'Serial interface controller'),
  ('#', 'show controllers serial 0', NULL, NULL, NULL, 'Serial interface number'),
  ('#', 'show controllers t1', NULL, NULL, NULL, 'T1 controller'),
  ('#', 'show controllers t1 0', NULL, NULL, NULL, 'T1 controller number'),
  ('#', 'show flash', NULL, NULL, NULL, 'System flash information'),
  ('#', 'show frame-relay', NULL, NULL, NULL, 'Frame Relay information'),
  ('#', 'show frame-relay lmi', NULL, NULL, NULL, 'Show Frame Relay LMI statistics'),
  ('#', 'show frame-relay map', NULL, NULL, NULL, 'Frame Relay map table'),
  ('#', 'show frame-relay pvc', NULL, NULL, NULL, 'Show Frame Relay PVC statistics'),
  ('#', 'show history', NULL, NULL, NULL, 'Display the session command history'),
  ('#', 'show hosts', NULL, NULL, NULL, 'IP domain-name, lookup style, nameservers and host table'),
  ('#', 'show interfaces', NULL, NULL, NULL, 'Interface status and configuration'),
  ('#', 'show interfaces ethernet', NULL, NULL, NULL, 'IEEE 802.3'),
  ('#', 'show interfaces ethernet 0', NULL, NULL, NULL, 'Ethernet interface number'),
  ('#', 'show interfaces serial', NULL, NULL, NULL, 'Serial'),
  ('#', 'show interfaces serial 0', NULL, NULL, NULL, 'Serial interface number'),
  ('#', 'show interfaces vlan', NULL, NULL, NULL, 'Switch management interface'),
  ('#', 'show interfaces vlan 1', NULL, NULL, NULL, 'Management VLAN'),
  ('#', 'show ip', NULL, NULL, NULL, 'IP information'),
  ('#', 'show ip interface', NULL, NULL, NULL, 'IP interface status and configuration'),
  ('#', 'show ip interface brief', NULL, NULL, NULL, 'Brief summary of IP status and configuration'),
  ('#', 'show ip protocols', NULL, NULL, NULL, 'IP routing protocol process parameters and statistics'),
  ('#', 'show ip route', NULL, NULL, NULL, 'IP routing table'),
  ('#', 'show mac', NULL, NULL, NULL, 'MAC configuration of a switch'),
  ('#', 'show mac address-table', NULL, NULL, NULL, 'MAC forwarding table of a switch'),
  ('#', 'show protocols', NULL, NULL, NULL, 'Active network routing protocols'),
  ('#', 'show running-config', NULL, NULL, NULL, 'Current operating configuration'),
  ('#', 'show startup-config', NULL, NULL, NULL, 'Contents of startup configuration'),
  ('#', 'show version', NULL, NULL, NULL, 'System hardware and software status'),
  ('#', 'show vlan', NULL, NULL, NULL, 'VTP VLAN status'),
  ('#', 'show vlan brief', NULL, NULL, NULL, 'VLANs of a switch and the VLAN of each port'),
  ('#', 'show vtp', NULL, NULL, NULL, 'VTP information'),
  ('#', 'show vtp status', NULL, NULL, NULL, 'VTP domain status'),
  ('#', 'telnet', '>', NULL, NULL, 'Open a telnet connection'),
  ('#', 'telnet <A.B.C.D>', NULL, NULL, NULL, 'IP address of a remote system'),
  ('#', 'telnet <WORD>', NULL, NULL, NULL, 'Host name of a remote system'),
  ('#', 'undebug', NULL, NULL, NULL, 'Disable debugging functions'),
  ('#', 'undebug all', NULL, NULL, 'All possible debugging has been turned off',
   'Disable all debugging');

-- The switch ports, one show command each.
INSERT INTO cmd VALUES
  ('#', 'show interfaces fastethernet', NULL, NULL, NULL, 'FastEthernet IEEE 802.3 (switch port)');
INSERT INTO cmd
  SELECT '#', 'show interfaces fastethernet 0/' || n, NULL, NULL, NULL, 'Switch port ' || n
  FROM (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL
        SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8);

-- User EXEC (>) ----------------------------------------------------------------------------------
-- The session commands and the show commands that do not reveal the configuration are the
-- same as in privileged mode.
INSERT INTO cmd VALUES
  ('>', 'enable', '#', NULL, NULL, 'Turn on privileged commands'),
  ('>', 'exit', '>', NULL, NULL, 'Exit from the EXEC');
INSERT INTO cmd
  SELECT '>', path, next, params, response, help FROM cmd
  WHERE mode = '#'
    AND (path IN ('disconnect', 'ping', 'resume', 'telnet', 'show', 'show cdp', 'show clock',
                  'show flash', 'show history', 'show interfaces', 'show ip', 'show protocols',
                  'show version', 'show vlan', 'show vlan brief')
         OR path LIKE 'disconnect %' OR path LIKE 'ping %' OR path LIKE 'resume %'
         OR path LIKE 'telnet %' OR path LIKE 'show cdp %' OR path LIKE 'show interfaces %'
         OR path LIKE 'show ip %');

-- Global configuration ((config)#) ---------------------------------------------------------------
INSERT INTO cmd VALUES
  ('(config)#', 'access-list', NULL, NULL, NULL, 'Add an access list entry'),
  ('(config)#', 'access-list <ANUM>', NULL, NULL, NULL, 'IP standard access list (1-99)'),
  ('(config)#', 'access-list <SECONDS>', NULL, NULL, NULL, 'IP extended access list (100-199)'),
  ('(config)#', 'access-list <SECONDS> <PERMIT/DENY>', NULL, NULL, NULL,
   'permit: forward matching packets, deny: drop them'),
  ('(config)#', 'access-list <ANUM> <PERMIT/DENY>', NULL, NULL, NULL,
   'permit: forward matching packets, deny: drop them'),
  ('(config)#', 'access-list <ANUM> <PERMIT/DENY> <A.B.C.D>', NULL, NULL, NULL,
   'Address to match'),
  ('(config)#', 'access-list <ANUM> <PERMIT/DENY> <A.B.C.D> <A.B.C.D>', NULL,
   'accesslist_num accesslist_action accesslist_source', NULL, 'Wildcard bits'),
  ('(config)#', 'access-list <ANUM> <PERMIT/DENY> any', NULL,
   'accesslist_num accesslist_action', NULL, 'Any source host'),
  ('(config)#', 'access-list <ANUM> <PERMIT/DENY> host', NULL, NULL, NULL, 'A single host address'),
  ('(config)#', 'access-list <ANUM> <PERMIT/DENY> host <A.B.C.D>', NULL,
   'accesslist_num accesslist_action accesslist_source', NULL, 'Host address'),
  ('(config)#', 'banner', NULL, NULL, NULL, 'Define a login banner'),
  ('(config)#', 'banner motd', NULL, NULL, NULL, 'Set Message of the Day banner'),
  ('(config)#', 'banner motd <LINE>', NULL, 'banner_motd', NULL,
   '#banner-text# in one word (hyphens for blanks), # delimits it'),
  ('(config)#', 'controller', '(config-controller)#', NULL, NULL, 'Configure a specific controller'),
  ('(config)#', 'controller e1', NULL, NULL, NULL, 'E1 controller'),
  ('(config)#', 'controller e1 0', NULL, NULL, NULL, 'Controller number'),
  ('(config)#', 'controller t1', NULL, NULL, NULL, 'T1 controller'),
  ('(config)#', 'controller t1 0', NULL, NULL, NULL, 'Controller number'),
  ('(config)#', 'enable', NULL, NULL, NULL, 'Modify enable password parameters'),
  ('(config)#', 'enable password', NULL, NULL, NULL, 'Assign the privileged level password'),
  ('(config)#', 'enable password <WORD>', NULL, 'enable_password', NULL, 'The UNENCRYPTED (cleartext) enable password'),
  ('(config)#', 'enable secret', NULL, NULL, NULL, 'Assign the privileged level secret'),
  ('(config)#', 'enable secret <WORD>', NULL, 'secret_password', NULL, 'The UNENCRYPTED (cleartext) enable secret'),
  ('(config)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config)#', 'exit', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config)#', 'hostname', NULL, NULL, NULL, 'Set system''s network name'),
  ('(config)#', 'hostname <WORD>', NULL, 'HostName', NULL, 'This system''s network name'),
  ('(config)#', 'interface', '(config-if)#', NULL, NULL, 'Select an interface to configure'),
  ('(config)#', 'interface ethernet', NULL, NULL, NULL, 'IEEE 802.3 (router)'),
  ('(config)#', 'interface ethernet 0', NULL, NULL, NULL, 'Ethernet interface number'),
  ('(config)#', 'interface fastethernet', NULL, NULL, NULL, 'FastEthernet IEEE 802.3 (switch port)'),
  ('(config)#', 'interface fastethernet 0/1', NULL, NULL, NULL, 'Switch port 1'),
  ('(config)#', 'interface fastethernet 0/2', NULL, NULL, NULL, 'Switch port 2'),
  ('(config)#', 'interface fastethernet 0/3', NULL, NULL, NULL, 'Switch port 3'),
  ('(config)#', 'interface fastethernet 0/4', NULL, NULL, NULL, 'Switch port 4'),
  ('(config)#', 'interface fastethernet 0/5', NULL, NULL, NULL, 'Switch port 5'),
  ('(config)#', 'interface fastethernet 0/6', NULL, NULL, NULL, 'Switch port 6'),
  ('(config)#', 'interface fastethernet 0/7', NULL, NULL, NULL, 'Switch port 7'),
  ('(config)#', 'interface fastethernet 0/8', NULL, NULL, NULL, 'Switch port 8 (uplink)'),
  ('(config)#', 'interface serial', NULL, NULL, NULL, 'Serial (router)'),
  ('(config)#', 'interface serial 0', NULL, NULL, NULL, 'Serial interface number'),
  ('(config)#', 'interface vlan', NULL, NULL, NULL, 'Switch management interface'),
  ('(config)#', 'interface vlan 1', NULL, NULL, NULL, 'Management VLAN'),
  ('(config)#', 'ip', '(config-ext-nacl)#', NULL, NULL, 'Global IP configuration subcommands'),
  ('(config)#', 'ip access-list', NULL, NULL, NULL, 'Named access list'),
  ('(config)#', 'ip access-list extended', NULL, NULL, NULL, 'Extended access list'),
  ('(config)#', 'ip access-list extended <WORD>', NULL, NULL, NULL, 'Access list name'),
  ('(config)#', 'ip access-list standard', NULL, NULL, NULL, 'Standard access list'),
  ('(config)#', 'ip access-list standard <WORD>', NULL, NULL, NULL, 'Access list name'),
  ('(config)#', 'ip default-gateway', NULL, NULL, NULL, 'Specify default gateway (switch)'),
  ('(config)#', 'ip default-gateway <A.B.C.D>', NULL, 'default_gateway', NULL, 'IP address of default gateway'),
  ('(config)#', 'ip domain-name', NULL, NULL, NULL, 'Define the default domain name'),
  ('(config)#', 'ip domain-name <WORD>', NULL, 'domain_name', NULL, 'Default domain name'),
  ('(config)#', 'ip host', NULL, NULL, NULL, 'Add an entry to the ip hostname table'),
  ('(config)#', 'ip host <WORD>', NULL, NULL, NULL, 'Name of host'),
  ('(config)#', 'ip host <WORD> <A.B.C.D>', NULL, 'ip_host_name ip_host_address', NULL, 'Host IP address'),
  ('(config)#', 'ip name-server', NULL, NULL, NULL, 'Specify address of name server to use'),
  ('(config)#', 'ip name-server <A.B.C.D>', NULL, 'name_server', NULL, 'Domain server IP address'),
  ('(config)#', 'ip route', NULL, NULL, NULL, 'Establish static routes'),
  ('(config)#', 'ip route <A.B.C.D>', NULL, NULL, NULL, 'Destination prefix'),
  ('(config)#', 'ip route <A.B.C.D> <A.B.C.D>', NULL, NULL, NULL, 'Destination prefix mask'),
  ('(config)#', 'ip route <A.B.C.D> <A.B.C.D> <A.B.C.D>', NULL,
   'route_network route_mask route_next_hop', NULL, 'Forwarding router''s address'),
  ('(config)#', 'ip route <A.B.C.D> <A.B.C.D> ethernet', NULL, NULL, NULL, 'Exit interface: IEEE 802.3'),
  ('(config)#', 'ip route <A.B.C.D> <A.B.C.D> ethernet <MINUTES>', NULL,
   'route_ethernet0_network route_ethernet0_mask', NULL, 'Ethernet interface number (any number means 0)'),
  ('(config)#', 'ip route <A.B.C.D> <A.B.C.D> serial', NULL, NULL, NULL, 'Exit interface: Serial'),
  ('(config)#', 'ip route <A.B.C.D> <A.B.C.D> serial <MINUTES>', NULL,
   'route_serial0_network route_serial0_mask', NULL, 'Serial interface number (any number means 0)'),
  ('(config)#', 'ipx', NULL, NULL, NULL, 'IPX global configuration commands'),
  ('(config)#', 'ipx routing', NULL, 'ipx_routing', NULL, 'Enable IPX routing'),
  ('(config)#', 'line', '(config-line)#', NULL, NULL, 'Configure a terminal line'),
  ('(config)#', 'line console', NULL, NULL, NULL, 'Primary terminal line'),
  ('(config)#', 'line console 0', NULL, NULL, NULL, 'First line number'),
  ('(config)#', 'line vty', NULL, NULL, NULL, 'Virtual terminal'),
  ('(config)#', 'line vty 0', NULL, NULL, NULL, 'First line number'),
  ('(config)#', 'line vty 0 15', NULL, NULL, NULL, 'Last line number (switch)'),
  ('(config)#', 'line vty 0 4', NULL, NULL, NULL, 'Last line number'),
  ('(config)#', 'no', NULL, NULL, NULL, 'Negate a command or set its defaults'),
  ('(config)#', 'no ip', NULL, NULL, NULL, 'Global IP configuration subcommands'),
  ('(config)#', 'no ip domain-lookup', NULL, 'domain_lookup', NULL, 'Disable IP Domain Name System hostname translation'),
  ('(config)#', 'no service', NULL, NULL, NULL, 'Modify use of network based services'),
  ('(config)#', 'no service password-encryption', NULL, NULL, NULL,
   'Show passwords in clear text (the simulator always does)'),
  ('(config)#', 'router', '(router-config)#', NULL, NULL, 'Enable a routing process'),
  ('(config)#', 'router eigrp', NULL, NULL, NULL, 'Enhanced Interior Gateway Routing Protocol (EIGRP)'),
  ('(config)#', 'router eigrp <ANUM>', NULL, NULL, NULL, 'Autonomous system number'),
  ('(config)#', 'router igrp', NULL, NULL, NULL, 'Interior Gateway Routing Protocol (IGRP)'),
  ('(config)#', 'router igrp <ANUM>', NULL, NULL, NULL, 'Autonomous system number'),
  ('(config)#', 'router rip', NULL, NULL, NULL, 'Routing Information Protocol (RIP)'),
  ('(config)#', 'service', NULL, NULL, NULL, 'Modify use of network based services'),
  ('(config)#', 'service password-encryption', NULL, NULL, NULL,
   'Encrypt system passwords (the simulator keeps showing them in clear text)'),
  ('(config)#', 'username', NULL, NULL, NULL, 'Establish User Name Authentication'),
  ('(config)#', 'username <WORD>', NULL, NULL, NULL, 'User name: the host name of the peer router'),
  ('(config)#', 'username <WORD> password', NULL, NULL, NULL, 'Specify the password for the user'),
  ('(config)#', 'username <WORD> password <WORD>', NULL, 'ppp_username ppp_password', NULL,
   'The shared CHAP password'),
  ('(config)#', 'vlan', '(config-vlan)#', NULL, NULL, 'Create a VLAN and enter its configuration (switch)'),
  ('(config)#', 'vlan <ANUM>', NULL, NULL, NULL, 'VLAN number (2-99)'),
  ('(config)#', 'vtp', NULL, NULL, NULL, 'Configure VLAN Trunking Protocol (switch)'),
  ('(config)#', 'vtp domain', NULL, NULL, NULL, 'Set the name of the VTP administrative domain'),
  ('(config)#', 'vtp domain <WORD>', NULL, 'vtp_domain', NULL, 'VTP domain name'),
  ('(config)#', 'vtp mode', NULL, NULL, NULL, 'Configure VTP device mode'),
  ('(config)#', 'vtp mode client', NULL, NULL, NULL, 'Set the device to client mode'),
  ('(config)#', 'vtp mode server', NULL, NULL, NULL, 'Set the device to server mode'),
  ('(config)#', 'vtp mode transparent', NULL, NULL, NULL, 'Set the device to transparent mode');

-- Interface configuration ((config-if)#) ---------------------------------------------------------
INSERT INTO cmd VALUES
  ('(config-if)#', 'bandwidth', NULL, NULL, NULL, 'Set bandwidth informational parameter'),
  ('(config-if)#', 'bandwidth <SECONDS>', NULL, 'bandwidth', NULL, 'Bandwidth in kilobits per second (below 3600 here)'),
  ('(config-if)#', 'cdp', NULL, NULL, NULL, 'CDP interface subcommands'),
  ('(config-if)#', 'cdp enable', NULL, 'cdp', NULL, 'Enable CDP on interface'),
  ('(config-if)#', 'clock', NULL, NULL, NULL, 'Configure serial interface clock'),
  ('(config-if)#', 'clock rate', NULL, NULL, NULL, 'Configure serial interface clock speed (DCE end)'),
  ('(config-if)#', 'clock rate <NUMBER>', NULL, 'clock_rate', NULL, 'Clock rate 1200 bits per second (kept)'),
  ('(config-if)#', 'description', NULL, NULL, NULL, 'Interface specific description'),
  ('(config-if)#', 'description <WORD>', NULL, 'description', NULL, 'Up to 40 characters describing this interface'),
  ('(config-if)#', 'duplex', NULL, NULL, NULL, 'Configure duplex operation'),
  ('(config-if)#', 'duplex auto', NULL, NULL, NULL, 'Enable AUTO duplex configuration'),
  ('(config-if)#', 'duplex full', NULL, NULL, NULL, 'Force full duplex operation'),
  ('(config-if)#', 'duplex half', NULL, NULL, NULL, 'Force half-duplex operation'),
  ('(config-if)#', 'encapsulation', NULL, NULL, NULL, 'Set encapsulation type for an interface'),
  ('(config-if)#', 'encapsulation <PPP/HDLC>', NULL, 'encapsulation', NULL,
   'ppp: Point-to-Point protocol, hdlc: Serial HDLC synchronous'),
  ('(config-if)#', 'encapsulation <WORD>', NULL, 'encapsulation', NULL,
   'frame-relay (typed in full): Frame Relay networks'),
  ('(config-if)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config-if)#', 'exit', '(config)#', NULL, NULL, 'Exit from interface configuration mode'),
  ('(config-if)#', 'frame-relay', NULL, NULL, NULL, 'Set Frame Relay parameters'),
  ('(config-if)#', 'frame-relay lmi-type', NULL, NULL, NULL, 'Use the ANSI or the ITU-T type LMI'),
  ('(config-if)#', 'frame-relay lmi-type ansi', NULL, NULL, NULL, 'ANSI T1.617 Annex D'),
  ('(config-if)#', 'frame-relay lmi-type q933a', NULL, NULL, NULL, 'ITU-T Q.933 Annex A'),
  ('(config-if)#', 'frame-relay map', NULL, NULL, NULL, 'Map a protocol address to a DLCI address'),
  ('(config-if)#', 'frame-relay map ip', NULL, NULL, NULL, 'IP'),
  ('(config-if)#', 'frame-relay map ip <A.B.C.D>', NULL, NULL, NULL, 'Protocol specific address'),
  ('(config-if)#', 'frame-relay map ip <A.B.C.D> <SECONDS>', NULL, NULL, NULL, 'DLCI (16-1007)'),
  ('(config-if)#', 'frame-relay map ip <A.B.C.D> <SECONDS> broadcast', NULL,
   'fr_map_address fr_map_dlci', NULL, 'Broadcasts should be forwarded to this address'),
  ('(config-if)#', 'interface', '(config-subif)#', NULL, NULL, 'Select a sub-interface to configure'),
  ('(config-if)#', 'interface ethernet', NULL, NULL, NULL, 'IEEE 802.3'),
  ('(config-if)#', 'interface ethernet 0.1', NULL, NULL, NULL, 'Ethernet sub-interface 0.1'),
  ('(config-if)#', 'interface ethernet 0.2', NULL, NULL, NULL, 'Ethernet sub-interface 0.2'),
  ('(config-if)#', 'interface serial', NULL, NULL, NULL, 'Serial'),
  ('(config-if)#', 'interface serial 0.1', NULL, NULL, NULL, 'Serial sub-interface 0.1'),
  ('(config-if)#', 'interface serial 0.1 multipoint', NULL, NULL, NULL, 'Treat as a multipoint link'),
  ('(config-if)#', 'interface serial 0.1 point-to-point', NULL, NULL, NULL, 'Treat as a point-to-point link'),
  ('(config-if)#', 'ip', NULL, NULL, NULL, 'Interface Internet Protocol config commands'),
  ('(config-if)#', 'ip access-group', NULL, NULL, NULL, 'Specify access control for packets'),
  ('(config-if)#', 'ip access-group <AGNUM>', NULL, NULL, NULL,
   'An access list already defined on this device'),
  ('(config-if)#', 'ip access-group <AGNUM> in', NULL, NULL, NULL, 'Inbound packets'),
  ('(config-if)#', 'ip access-group <AGNUM> out', NULL, NULL, NULL, 'Outbound packets'),
  ('(config-if)#', 'ip access-group <WORD>', NULL, NULL, NULL, 'Name of a named access list'),
  ('(config-if)#', 'ip access-group <WORD> in', NULL, NULL, NULL, 'Inbound packets'),
  ('(config-if)#', 'ip access-group <WORD> out', NULL, NULL, NULL, 'Outbound packets'),
  ('(config-if)#', 'ip address', NULL, NULL, NULL, 'Set the IP address of an interface'),
  ('(config-if)#', 'ip address <A.B.C.D>', NULL, NULL, NULL, 'IP address'),
  ('(config-if)#', 'ip address <A.B.C.D> <A.B.C.D>', NULL, 'ip_address dec_mask', NULL, 'IP subnet mask'),
  ('(config-if)#', 'no', NULL, NULL, NULL, 'Negate a command or set its defaults'),
  ('(config-if)#', 'no cdp', NULL, NULL, NULL, 'CDP interface subcommands'),
  ('(config-if)#', 'no cdp enable', NULL, 'cdp', NULL, 'Disable CDP on interface'),
  ('(config-if)#', 'no shutdown', NULL, 'shutdown status',
   '%LINK-3-UPDOWN: Interface changed state to up
%LINEPROTO-5-UPDOWN: Line protocol on Interface changed state to up',
   'Bring the interface up'),
  ('(config-if)#', 'ppp', NULL, NULL, NULL, 'Point-to-Point Protocol'),
  ('(config-if)#', 'ppp authentication', NULL, NULL, NULL, 'Set PPP link authentication method'),
  ('(config-if)#', 'ppp authentication chap', NULL, NULL, NULL, 'Challenge Handshake Authentication Protocol (CHAP)'),
  ('(config-if)#', 'ppp authentication pap', NULL, NULL, NULL, 'Password Authentication Protocol (PAP)'),
  ('(config-if)#', 'shutdown', NULL, 'shutdown status',
   '%LINK-5-CHANGED: Interface changed state to administratively down',
   'Shutdown the selected interface'),
  ('(config-if)#', 'spanning-tree', NULL, NULL, NULL, 'Spanning Tree Subsystem'),
  ('(config-if)#', 'spanning-tree portfast', NULL, NULL, NULL, 'Start forwarding at once on an access port'),
  ('(config-if)#', 'speed', NULL, NULL, NULL, 'Configure speed operation'),
  ('(config-if)#', 'speed 100', NULL, NULL, NULL, 'Force 100 Mbps operation'),
  ('(config-if)#', 'speed auto', NULL, NULL, NULL, 'Enable AUTO speed configuration'),
  ('(config-if)#', 'switchport', NULL, NULL, NULL, 'Set switching mode characteristics'),
  ('(config-if)#', 'switchport access', NULL, NULL, NULL, 'Set access mode characteristics of the interface'),
  ('(config-if)#', 'switchport access vlan', NULL, NULL, NULL, 'Set VLAN when interface is in access mode'),
  ('(config-if)#', 'switchport access vlan <ANUM>', NULL, 'access_vlan', NULL, 'VLAN ID of the VLAN when this port is in access mode'),
  ('(config-if)#', 'switchport mode', NULL, NULL, NULL, 'Set trunking mode of the interface'),
  ('(config-if)#', 'switchport mode access', NULL, NULL, NULL, 'Set trunking mode to ACCESS unconditionally'),
  ('(config-if)#', 'switchport mode trunk', NULL, NULL, NULL, 'Set trunking mode to TRUNK unconditionally');

-- Sub-interface configuration ((config-subif)#) --------------------------------------------------
INSERT INTO cmd VALUES
  ('(config-subif)#', 'description', NULL, NULL, NULL, 'Interface specific description'),
  ('(config-subif)#', 'description <WORD>', NULL, 'description', NULL, 'Up to 40 characters describing this interface'),
  ('(config-subif)#', 'encapsulation', NULL, NULL, NULL, 'Set encapsulation type for an interface'),
  ('(config-subif)#', 'encapsulation dot1q', NULL, NULL, NULL, 'IEEE 802.1Q Virtual LAN'),
  ('(config-subif)#', 'encapsulation dot1q <ANUM>', NULL, 'dot1q_vlan', NULL, 'IEEE 802.1Q VLAN ID'),
  ('(config-subif)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config-subif)#', 'exit', '(config)#', NULL, NULL, 'Exit from sub-interface configuration mode'),
  ('(config-subif)#', 'frame-relay', NULL, NULL, NULL, 'Set Frame Relay parameters'),
  ('(config-subif)#', 'frame-relay interface-dlci', NULL, NULL, NULL, 'Give a DLCI to this sub-interface'),
  ('(config-subif)#', 'frame-relay interface-dlci <SECONDS>', NULL, 'dlci', NULL, 'DLCI (16-1007)'),
  ('(config-subif)#', 'ip', NULL, NULL, NULL, 'Interface Internet Protocol config commands'),
  ('(config-subif)#', 'ip address', NULL, NULL, NULL, 'Set the IP address of an interface'),
  ('(config-subif)#', 'ip address <A.B.C.D>', NULL, NULL, NULL, 'IP address'),
  ('(config-subif)#', 'ip address <A.B.C.D> <A.B.C.D>', NULL, 'ip_address dec_mask', NULL, 'IP subnet mask');

-- Line configuration ((config-line)#) ------------------------------------------------------------
INSERT INTO cmd VALUES
  ('(config-line)#', 'access-class', NULL, NULL, NULL, 'Filter connections based on an IP access list'),
  ('(config-line)#', 'access-class <ANUM>', NULL, NULL, NULL, 'IP access list'),
  ('(config-line)#', 'access-class <ANUM> in', NULL, 'access_class', NULL, 'Filter incoming connections'),
  ('(config-line)#', 'access-class <ANUM> out', NULL, 'access_class', NULL, 'Filter outgoing connections'),
  ('(config-line)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config-line)#', 'exec-timeout', NULL, NULL, NULL, 'Set the EXEC timeout'),
  ('(config-line)#', 'exec-timeout <MINUTES>', NULL, NULL, NULL, 'Timeout in minutes (0-59)'),
  ('(config-line)#', 'exec-timeout <MINUTES> <SECONDS>', NULL, 'exec_timeout_min exec_timeout_sec', NULL,
   'Timeout in seconds (0-3599)'),
  ('(config-line)#', 'exit', '(config)#', NULL, NULL, 'Exit from line configuration mode'),
  ('(config-line)#', 'logging', NULL, NULL, NULL, 'Modify message logging facilities'),
  ('(config-line)#', 'logging synchronous', NULL, NULL, NULL, 'Synchronized message output'),
  ('(config-line)#', 'login', NULL, NULL, NULL, 'Enable password checking'),
  ('(config-line)#', 'no', NULL, NULL, NULL, 'Negate a command or set its defaults'),
  ('(config-line)#', 'no login', NULL, NULL, NULL, 'Disable password checking'),
  ('(config-line)#', 'password', NULL, NULL, NULL, 'Set a password'),
  ('(config-line)#', 'password <WORD>', NULL, 'pass', NULL, 'The UNENCRYPTED (cleartext) line password'),
  ('(config-line)#', 'transport', NULL, NULL, NULL, 'Define transport protocols for line'),
  ('(config-line)#', 'transport input', NULL, NULL, NULL, 'Define which protocols to use when connecting to the terminal server'),
  ('(config-line)#', 'transport input all', NULL, NULL, NULL, 'All protocols'),
  ('(config-line)#', 'transport input none', NULL, NULL, NULL, 'No protocols'),
  ('(config-line)#', 'transport input ssh', NULL, NULL, NULL, 'Secure shell'),
  ('(config-line)#', 'transport input telnet', NULL, NULL, NULL, 'Telnet');

-- Controller configuration ((config-controller)#) ------------------------------------------------
INSERT INTO cmd VALUES
  ('(config-controller)#', 'clock', NULL, NULL, NULL, 'Specify the clock source for the line'),
  ('(config-controller)#', 'clock source', NULL, NULL, NULL, 'Specify the clock source'),
  ('(config-controller)#', 'clock source internal', NULL, NULL, NULL, 'Internal clock'),
  ('(config-controller)#', 'clock source line', NULL, NULL, NULL, 'Recovered clock from the line (provider)'),
  ('(config-controller)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config-controller)#', 'exit', '(config)#', NULL, NULL, 'Exit from controller configuration mode'),
  ('(config-controller)#', 'framing', NULL, NULL, NULL, 'Specify the type of framing'),
  ('(config-controller)#', 'framing crc4', NULL, NULL, NULL, 'E1: CRC4 frame'),
  ('(config-controller)#', 'framing esf', NULL, NULL, NULL, 'T1: Extended Superframe'),
  ('(config-controller)#', 'framing sf', NULL, NULL, NULL, 'T1: Superframe (D4)'),
  ('(config-controller)#', 'linecode', NULL, NULL, NULL, 'Specify the line encoding method'),
  ('(config-controller)#', 'linecode ami', NULL, NULL, NULL, 'T1/E1: Alternate Mark Inversion'),
  ('(config-controller)#', 'linecode b8zs', NULL, NULL, NULL, 'T1: B8ZS encoding'),
  ('(config-controller)#', 'linecode hdb3', NULL, NULL, NULL, 'E1: HDB3 encoding');

-- Routing protocol configuration ((router-config)#) ----------------------------------------------
INSERT INTO cmd VALUES
  ('(router-config)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(router-config)#', 'exit', '(config)#', NULL, NULL, 'Exit from routing protocol configuration mode'),
  ('(router-config)#', 'network', NULL, NULL, NULL, 'Enable routing on an IP network'),
  ('(router-config)#', 'network <A.B.C.D>', NULL, 'routing_network', NULL, 'Network number (classful)'),
  ('(router-config)#', 'auto-summary', NULL, NULL, NULL, 'Enable automatic network number summarization'),
  ('(router-config)#', 'no', NULL, NULL, NULL, 'Negate a command or set its defaults'),
  ('(router-config)#', 'no auto-summary', NULL, NULL, NULL, 'Disable automatic network number summarization'),
  ('(router-config)#', 'passive-interface', NULL, NULL, NULL, 'Suppress routing updates on an interface'),
  ('(router-config)#', 'passive-interface ethernet', NULL, NULL, NULL, 'IEEE 802.3'),
  ('(router-config)#', 'passive-interface ethernet 0', NULL, NULL, NULL, 'Ethernet interface number'),
  ('(router-config)#', 'passive-interface serial', NULL, NULL, NULL, 'Serial'),
  ('(router-config)#', 'passive-interface serial 0', NULL, NULL, NULL, 'Serial interface number'),
  ('(router-config)#', 'version', NULL, NULL, NULL, 'Set routing protocol version'),
  ('(router-config)#', 'version <ANUM>', NULL, 'rip_version', NULL, 'RIP version (1 or 2)');

-- VLAN configuration ((config-vlan)#) ------------------------------------------------------------
-- The VLAN mode does not know which VLAN it configures: a name is kept for the switch as a
-- whole (the name given last).
INSERT INTO cmd VALUES
  ('(config-vlan)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config-vlan)#', 'exit', '(config)#', NULL, NULL, 'Apply changes, bump revision number, and exit mode'),
  ('(config-vlan)#', 'name', NULL, NULL, NULL, 'Ascii name of the VLAN'),
  ('(config-vlan)#', 'name <WORD>', NULL, 'vlan_name', NULL, 'The ascii name for the VLAN');

-- Clock rates: "<NUMBER>" takes 1200 only, so the other rates are keywords; they are accepted
-- and not kept. Of two rates where one begins the other (4800 and 48000, 19200 and 192000,
-- 38400 and 384000, 800000 and 8000000) only the first can be offered.
INSERT INTO cmd
  SELECT '(config-if)#', 'clock rate ' || rate, NULL, NULL, NULL, 'Clock rate ' || rate || ' bits per second (not kept)'
  FROM (SELECT '2400' AS rate UNION ALL SELECT '4800' UNION ALL SELECT '9600' UNION ALL
        SELECT '14400' UNION ALL SELECT '19200' UNION ALL SELECT '28800' UNION ALL
        SELECT '32000' UNION ALL SELECT '38400' UNION ALL SELECT '56000' UNION ALL
        SELECT '57600' UNION ALL SELECT '64000' UNION ALL SELECT '72000' UNION ALL
        SELECT '115200' UNION ALL SELECT '125000' UNION ALL SELECT '128000' UNION ALL
        SELECT '148000' UNION ALL SELECT '250000' UNION ALL SELECT '256000' UNION ALL
        SELECT '500000' UNION ALL SELECT '512000' UNION ALL SELECT '768000' UNION ALL
        SELECT '800000' UNION ALL SELECT '1000000' UNION ALL SELECT '1300000' UNION ALL
        SELECT '2000000' UNION ALL SELECT '4000000');

-- Extended access list entries ((config-ext-nacl)#) ----------------------------------------------
-- Every entry reads: action, protocol, source, destination and, for tcp and udp, "eq" and a
-- port. Sources and destinations are "any", "host" and an address, or an address and wildcard
-- bits. The entries are built from the pieces below.
INSERT INTO cmd VALUES
  ('(config-ext-nacl)#', 'end', '#', NULL, '%SYS-5-CONFIG_I: Configured from console by console',
   'Exit from configure mode'),
  ('(config-ext-nacl)#', 'exit', '(config)#', NULL, NULL, 'Exit from access-list configuration mode');

CREATE TEMP TABLE acl_action (word TEXT, help TEXT);
INSERT INTO acl_action VALUES
  ('deny', 'Specify packets to reject'),
  ('permit', 'Specify packets to forward');

CREATE TEMP TABLE acl_protocol (word TEXT, help TEXT);
INSERT INTO acl_protocol VALUES
  ('icmp', 'Internet Control Message Protocol'),
  ('ip', 'Any Internet Protocol'),
  ('tcp', 'Transmission Control Protocol'),
  ('udp', 'User Datagram Protocol');

-- One row per node of an address pattern; `complete` marks where it may end.
CREATE TEMP TABLE acl_host (side TEXT, words TEXT, complete INTEGER, help TEXT);
INSERT INTO acl_host VALUES
  ('source', '<A.B.C.D>', 0, 'Source address'),
  ('source', '<A.B.C.D> <A.B.C.D>', 1, 'Source wildcard bits'),
  ('source', 'any', 1, 'Any source host'),
  ('source', 'host', 0, 'A single source host'),
  ('source', 'host <A.B.C.D>', 1, 'Source address'),
  ('destination', '<A.B.C.D>', 0, 'Destination address'),
  ('destination', '<A.B.C.D> <A.B.C.D>', 1, 'Destination wildcard bits'),
  ('destination', 'any', 1, 'Any destination host'),
  ('destination', 'host', 0, 'A single destination host'),
  ('destination', 'host <A.B.C.D>', 1, 'Destination address');

CREATE TEMP TABLE acl_port (protocol TEXT, words TEXT, help TEXT);
INSERT INTO acl_port VALUES
  ('tcp', 'eq', 'Match only packets on a given port number'),
  ('tcp', 'eq ftp', 'File Transfer Protocol (21)'),
  ('tcp', 'eq smtp', 'Simple Mail Transport Protocol (25)'),
  ('tcp', 'eq telnet', 'Telnet (23)'),
  ('tcp', 'eq www', 'World Wide Web (HTTP, 80)'),
  ('tcp', 'eq 20', 'FTP data'),
  ('tcp', 'eq 21', 'FTP control'),
  ('tcp', 'eq 22', 'Secure shell'),
  ('tcp', 'eq 23', 'Telnet'),
  ('tcp', 'eq 25', 'SMTP'),
  ('tcp', 'eq 443', 'HTTPS'),
  ('tcp', 'eq 80', 'HTTP'),
  ('udp', 'eq', 'Match only packets on a given port number'),
  ('udp', 'eq domain', 'Domain Name Service (53)'),
  ('udp', 'eq snmp', 'Simple Network Management Protocol (161)'),
  ('udp', 'eq tftp', 'Trivial File Transfer Protocol (69)'),
  ('udp', 'eq 161', 'SNMP'),
  ('udp', 'eq 53', 'DNS'),
  ('udp', 'eq 69', 'TFTP');

-- An entry begins with its action: the keyword in the entry mode of a named list, or the number
-- and "<PERMIT/DENY>" in a numbered extended list, which keeps its number and action.
CREATE TEMP TABLE acl_start (mode TEXT, words TEXT, params TEXT);
INSERT INTO acl_start VALUES
  ('(config-ext-nacl)#', 'deny', NULL),
  ('(config-ext-nacl)#', 'permit', NULL),
  ('(config)#', 'access-list <SECONDS> <PERMIT/DENY>', 'accesslist_num accesslist_action');

INSERT INTO cmd (mode, path, help)
  SELECT '(config-ext-nacl)#', a.word, a.help FROM acl_action a;
-- The entry mode takes the entries of named standard lists too: a source alone.
INSERT INTO cmd (mode, path, help)
  SELECT '(config-ext-nacl)#', a.word || ' ' || s.words, s.help
  FROM acl_action a, acl_host s WHERE s.side = 'source';
INSERT INTO cmd (mode, path, help)
  SELECT b.mode, b.words || ' ' || p.word, p.help
  FROM acl_start b, acl_protocol p;
INSERT INTO cmd (mode, path, help)
  SELECT b.mode, b.words || ' ' || p.word || ' ' || s.words, s.help
  FROM acl_start b, acl_protocol p, acl_host s WHERE s.side = 'source';
-- tcp and udp entries go on to a port; icmp and ip entries end with the destination.
INSERT INTO cmd (mode, path, params, help)
  SELECT b.mode, b.words || ' ' || p.word || ' ' || s.words || ' ' || d.words,
         CASE WHEN d.complete = 1 AND p.word IN ('icmp', 'ip') THEN b.params END, d.help
  FROM acl_start b, acl_protocol p, acl_host s, acl_host d
  WHERE s.side = 'source' AND s.complete = 1 AND d.side = 'destination';
INSERT INTO cmd (mode, path, params, help)
  SELECT b.mode,
         b.words || ' ' || p.word || ' ' || s.words || ' ' || d.words || ' ' || t.words,
         CASE WHEN t.words <> 'eq' THEN b.params END, t.help
  FROM acl_start b, acl_protocol p, acl_host s, acl_host d, acl_port t
  WHERE s.side = 'source' AND s.complete = 1 AND d.side = 'destination' AND d.complete = 1
    AND t.protocol = p.word;

-- Global commands that enter a mode (and store nothing) are accepted in every sub-mode, as on a
-- real device. "interface" in the interface modes selects a sub-interface instead, and the
-- controller mode cannot offer "line", which begins its "linecode".
CREATE TEMP TABLE sub_mode (mode TEXT, first TEXT);
INSERT INTO sub_mode VALUES
  ('(config-if)#', 'line'), ('(config-if)#', 'router'), ('(config-if)#', 'vlan'),
  ('(config-subif)#', 'line'), ('(config-subif)#', 'router'),
  ('(config-line)#', 'interface'), ('(config-line)#', 'line'), ('(config-line)#', 'router'),
  ('(config-line)#', 'vlan'),
  ('(router-config)#', 'interface'), ('(router-config)#', 'line'), ('(router-config)#', 'router'),
  ('(router-config)#', 'vlan'),
  ('(config-ext-nacl)#', 'interface'), ('(config-ext-nacl)#', 'line'),
  ('(config-ext-nacl)#', 'router'),
  ('(config-controller)#', 'interface'), ('(config-controller)#', 'router'),
  ('(config-vlan)#', 'interface'), ('(config-vlan)#', 'line'), ('(config-vlan)#', 'router'),
  ('(config-vlan)#', 'vlan');
INSERT INTO cmd
  SELECT m.mode, c.path, c.next, c.params, c.response, c.help
  FROM sub_mode m JOIN cmd c
    ON c.mode = '(config)#' AND (c.path = m.first OR c.path LIKE m.first || ' %');

-- From a sub-interface, "interface" selects another sub-interface.
INSERT INTO cmd
  SELECT '(config-subif)#', path, next, params, response, help FROM cmd
  WHERE mode = '(config-if)#' AND (path = 'interface' OR path LIKE 'interface %');

-- Building the tree tables -----------------------------------------------------------------------

-- Console texts use CR LF line breaks.
UPDATE cmd SET response = replace(response, char(10), char(13) || char(10));

-- Level, parameter names and the key of every node; children are numbered in path order.
CREATE TEMP TABLE node AS
  WITH shaped AS (
    SELECT c.*, m.rank,
           length(c.path) - length(replace(c.path, ' ', '')) AS level,
           CASE WHEN c.params IS NULL THEN NULL
                WHEN instr(c.params, ' ') = 0 THEN c.params
                ELSE substr(c.params, 1, instr(c.params, ' ') - 1) END AS param1,
           CASE WHEN instr(c.params, ' ') = 0 THEN NULL
                ELSE substr(c.params, instr(c.params, ' ') + 1) END AS rest
    FROM cmd c JOIN mode_order m ON m.mode = c.mode
  )
  SELECT mode, path, next, response, help, rank, level, param1,
         CASE WHEN rest IS NULL THEN NULL
              WHEN instr(rest, ' ') = 0 THEN rest
              ELSE substr(rest, 1, instr(rest, ' ') - 1) END AS param2,
         CASE WHEN instr(rest, ' ') = 0 THEN NULL
              ELSE substr(rest, instr(rest, ' ') + 1) END AS param3,
         CASE WHEN params IS NULL THEN 0
              ELSE length(params) - length(replace(params, ' ', '')) + 1 END AS paramcount,
         CASE WHEN instr(path, ' ') = 0 THEN path
              ELSE substr(path, length(rtrim(path, replace(path, ' ', ''))) + 1) END AS word,
         row_number() OVER (PARTITION BY level ORDER BY rank, path) AS idx
  FROM shaped;

-- The word of a node is the part of its path after the last blank; its parent is the node of
-- the same mode whose path is the rest.
ALTER TABLE node ADD COLUMN parent INTEGER;
ALTER TABLE node ADD COLUMN morewords INTEGER;
UPDATE node SET parent = (
  SELECT p.idx FROM node p
  WHERE p.mode = node.mode AND p.level = node.level - 1
    AND p.path || ' ' || node.word = node.path);
UPDATE node SET morewords = EXISTS (
  SELECT 1 FROM node c WHERE c.mode = node.mode AND c.level = node.level + 1
    AND c.path = node.path || ' ' || c.word);

-- The build stops here when a node has no parent, a mode is unknown, a node writes more than
-- three names, or a tree is deeper than ten words.
CREATE TEMP TABLE tree_check (problem TEXT CHECK (problem IS NULL));
INSERT INTO tree_check SELECT 'no parent: ' || mode || ' ' || path FROM node
  WHERE level > 0 AND parent IS NULL;
INSERT INTO tree_check SELECT 'unknown mode: ' || mode FROM cmd
  WHERE mode NOT IN (SELECT mode FROM mode_order);
INSERT INTO tree_check SELECT 'too many names: ' || path FROM node WHERE paramcount > 3;
INSERT INTO tree_check SELECT 'too deep: ' || path FROM node WHERE level > 9;
DROP TABLE tree_check;

INSERT INTO tblsublabcmds
  SELECT idx, NULL, mode, word, coalesce(next, mode), 1, paramcount > 0, NULL, NULL, paramcount,
         param1, param2, param3, morewords, coalesce(response, 'nill'), help
  FROM node WHERE level = 0 ORDER BY idx;

-- Deeper levels: a node where a command may end prints its response ("nill": nothing); a node
-- that needs more words keeps the response as it is ("null").
CREATE TEMP VIEW deeper AS
  SELECT level, idx, word, paramcount > 0 AS writes, paramcount, param1, param2, param3,
         morewords, coalesce(response, CASE WHEN morewords THEN 'null' ELSE 'nill' END) AS resp,
         help, parent
  FROM node;
INSERT INTO tblsublabcmds1 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 1 ORDER BY idx;
INSERT INTO tblsublabcmds2 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 2 ORDER BY idx;
INSERT INTO tblsublabcmds3 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 3 ORDER BY idx;
INSERT INTO tblsublabcmds4 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 4 ORDER BY idx;
INSERT INTO tblsublabcmds5 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 5 ORDER BY idx;
INSERT INTO tblsublabcmds6 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 6 ORDER BY idx;
INSERT INTO tblsublabcmds7 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 7 ORDER BY idx;
INSERT INTO tblsublabcmds8 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 8 ORDER BY idx;
INSERT INTO tblsublabcmds9 SELECT idx, word, writes, paramcount, param1, param2, param3, morewords, resp, help, parent FROM deeper WHERE level = 9 ORDER BY idx;

DROP VIEW deeper;
DROP TABLE node;
DROP TABLE sub_mode;
DROP TABLE acl_start;
DROP TABLE acl_port;
DROP TABLE acl_host;
DROP TABLE acl_protocol;
DROP TABLE acl_action;
DROP TABLE mode_order;
DROP TABLE cmd;
