-- Guided lab exercises: six categories, each with exercises in rising order of difficulty.
--
-- An exercise is one sublab row (its index is also its place in the category's menu), its steps
-- and, per step, the exact commands the student must type with the prompt before and after
-- each. The steps and commands are written to two staging tables and numbered at the end of
-- this file: step k of exercise n becomes instructions.index n*100+k, its commands
-- comrestble.index n*1000+1, +2, ... in the order written, so the stored order is the order
-- of the steps. Multi-line texts are written with plain line breaks and turned into CR LF at
-- the end.
--
-- A step's commands may be typed in any order their prompts allow. Two rules keep a single
-- Enter from counting twice: a step never expects the same command twice at the same prompt,
-- and the first command of a step never repeats the last command of the step before it.
-- Switch S1 shows its management menu without prompt when a lab starts on it: its first
-- command "k" is typed at the empty prompt, written "Null".

CREATE TEMP TABLE step (lab INTEGER, step INTEGER, device TEXT, text TEXT);
CREATE TEMP TABLE expect (lab INTEGER, step INTEGER, command TEXT, comprompt TEXT,
                          resprompt TEXT, response TEXT);

-- Texts that several exercises print.
CREATE TEMP TABLE said (key TEXT, text TEXT);
INSERT INTO said VALUES
  ('conft', 'Enter configuration commands, one per line.  End with CNTL/Z.'),
  ('end', '%SYS-5-CONFIG_I: Configured from console by console'),
  ('save', 'Destination filename [startup-config]?
Building configuration...
[OK]'),
  ('k', 'CLI session with the switch is open.
To end the CLI session, enter [Exit].'),
  ('e0up', '%LINK-3-UPDOWN: Interface Ethernet0, changed state to up
%LINEPROTO-5-UPDOWN: Line protocol on Interface Ethernet0, changed state to up'),
  ('s0up', '%LINK-3-UPDOWN: Interface Serial0, changed state to up
%LINEPROTO-5-UPDOWN: Line protocol on Interface Serial0, changed state to up'),
  ('vlan1up', '%LINK-3-UPDOWN: Interface Vlan1, changed state to up
%LINEPROTO-5-UPDOWN: Line protocol on Interface Vlan1, changed state to up');

-- ===============================================================================================
-- CLI Fundamental Labs
-- ===============================================================================================

-- 1 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (1, 'User and Privileged Modes', 'diagrams/lab01.gif',
'Log in to router R1, move between user EXEC mode (R1>) and privileged EXEC mode (R1#), and look at the software, the uptime and the flash memory of the router.',
'User EXEC mode (prompt ending in >) lets you look but not change anything: a few show commands, ping and telnet.
Privileged EXEC mode (prompt ending in #) is entered with "enable" and left with "disable". From here you can see every setting, save the configuration and enter configuration mode.
"show version" tells you the software release, how long the router has been up and how much memory it has; "show flash" lists the software images stored in flash memory.',
'User and privileged EXEC mode', 1);
INSERT INTO step VALUES
  (1, 1, 'R1', 'Enter privileged EXEC mode on R1.'),
  (1, 2, 'R1', 'Display the software version and the uptime of R1.'),
  (1, 3, 'R1', 'List the contents of the flash memory.'),
  (1, 4, 'R1', 'Return to user EXEC mode.');
INSERT INTO expect VALUES
  (1, 1, 'enable', '>', '#', NULL),
  (1, 2, 'show version', '#', '#', 'RouteDrill Router Software
RD-2500 Software (RD2500-JS-L), Version 12.0(7), RELEASE SOFTWARE (fc1)

R1 uptime in minutes is 3
System image file is "flash:rd2500-js-l.120-7"

RD-2500 (RD-CPU) processor with 14336K/2048K bytes of memory.
1 Ethernet/IEEE 802.3 interface(s)
1 Serial network interface(s)
32K bytes of non-volatile configuration memory.
16384K bytes of processor board System flash (Read ONLY)

Configuration register is 0x2102'),
  (1, 3, 'show flash', '#', '#', 'System flash directory:
File  Length   Name/status
  1   7240328  rd2500-js-l.120-7
[7240392 bytes used, 9536824 available, 16777216 total]
16384K bytes of processor board System flash (Read ONLY)'),
  (1, 4, 'disable', '#', '>', NULL);

-- 2 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (2, 'Configuration Mode and Host Name', 'diagrams/lab02.gif',
'Enter global configuration mode on R1, give the router the name Boston, return to privileged mode and find the new name in the running configuration.',
'R1> user EXEC, R1# privileged EXEC, R1(config)# global configuration.
"configure terminal" enters global configuration mode. "end" (or Ctrl+Z) returns straight to privileged mode; "exit" goes back one level.
"hostname NAME" takes effect at once: the very next prompt carries the new name.
"show running-config" shows the configuration the router is running now.',
'Configuration mode and host name', 1);
INSERT INTO step VALUES
  (2, 1, 'R1', 'Enter privileged EXEC mode.'),
  (2, 2, 'R1', 'Enter global configuration mode from the terminal.'),
  (2, 3, 'R1', 'Name the router Boston.'),
  (2, 4, 'R1', 'Leave configuration mode and return to privileged EXEC mode.'),
  (2, 5, 'R1', 'Check the host name in the running configuration.');
INSERT INTO expect VALUES
  (2, 1, 'enable', '>', '#', NULL),
  (2, 2, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (2, 3, 'hostname Boston', '(config)#', '(config)#', NULL),
  (2, 4, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (2, 5, 'show running-config', '#', '#', 'Building configuration...

Current configuration:
!
version 12.0
service timestamps debug uptime
service timestamps log uptime
no service password-encryption
!
hostname Boston
!
interface Ethernet0
 no ip address
 shutdown
!
interface Serial0
 no ip address
 shutdown
!
line con 0
line vty 0 4
 login
!
end');

-- 3 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (3, 'Passwords and Login Banner', 'diagrams/lab03.gif',
'Protect R1: an enable secret and an enable password for privileged mode, a password on the console line and on the five telnet lines, and a message of the day that every user sees. Save the result.',
'enable secret WORD protects privileged mode and is stored encrypted; enable password WORD is the older, clear-text password and is used only when no secret is set.
line console 0 and line vty 0 4 enter line configuration mode (R1(config-line)#). There, password WORD sets the line password and login makes the router ask for it.
banner motd #text# sets the message of the day; the text runs between the two # signs.
copy running-config startup-config saves the configuration, so that it survives a restart.',
'Securing access to a router', 1);
INSERT INTO step VALUES
  (3, 1, 'R1', 'Enter global configuration mode.'),
  (3, 2, 'R1', 'Protect privileged mode with the enable secret class.'),
  (3, 3, 'R1', 'Set the enable password guest as well.'),
  (3, 4, 'R1', 'Configure console line 0 with the password console and password checking at login, then go back to global configuration mode.'),
  (3, 5, 'R1', 'Set the message of the day #Authorised-access-only#.'),
  (3, 6, 'R1', 'Configure the telnet lines 0 to 4 with the password remote and password checking at login, then go back to global configuration mode.'),
  (3, 7, 'R1', 'Return to privileged mode and save the configuration.');
INSERT INTO expect VALUES
  (3, 1, 'enable', '>', '#', NULL),
  (3, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (3, 2, 'enable secret class', '(config)#', '(config)#', NULL),
  (3, 3, 'enable password guest', '(config)#', '(config)#', NULL),
  (3, 4, 'line console 0', '(config)#', '(config-line)#', NULL),
  (3, 4, 'password console', '(config-line)#', '(config-line)#', NULL),
  (3, 4, 'login', '(config-line)#', '(config-line)#', NULL),
  (3, 4, 'exit', '(config-line)#', '(config)#', NULL),
  (3, 5, 'banner motd #Authorised-access-only#', '(config)#', '(config)#', NULL),
  (3, 6, 'line vty 0 4', '(config)#', '(config-line)#', NULL),
  (3, 6, 'password remote', '(config-line)#', '(config-line)#', NULL),
  (3, 6, 'login', '(config-line)#', '(config-line)#', NULL),
  (3, 6, 'exit', '(config-line)#', '(config)#', NULL),
  (3, 7, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (3, 7, 'copy running-config startup-config', '#', '#', (SELECT text FROM said WHERE key = 'save'));

-- 4 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (4, 'Saving and Erasing the Configuration', 'diagrams/lab04.gif',
'On router R2, compare the startup configuration with the running configuration, save the running configuration, and erase it again so that the router starts from its factory settings.',
'The running configuration lives in memory and is lost at a restart. The startup configuration is stored in NVRAM and loaded when the router starts.
copy running-config startup-config saves the running configuration into NVRAM.
show startup-config shows what is stored there.
erase startup-config deletes it: the next start begins with the factory settings.',
'Running and startup configuration', 1);
INSERT INTO step VALUES
  (4, 1, 'R2', 'Enter privileged EXEC mode on R2 and display the startup configuration.'),
  (4, 2, 'R2', 'Give the router the name Denver and return to privileged mode.'),
  (4, 3, 'R2', 'Save the running configuration as the startup configuration.'),
  (4, 4, 'R2', 'Display the startup configuration again.'),
  (4, 5, 'R2', 'Erase the startup configuration.');
INSERT INTO expect VALUES
  (4, 1, 'enable', '>', '#', NULL),
  (4, 1, 'show startup-config', '#', '#', '%% Non-volatile configuration memory is not present'),
  (4, 2, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (4, 2, 'hostname Denver', '(config)#', '(config)#', NULL),
  (4, 2, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (4, 3, 'copy running-config startup-config', '#', '#', (SELECT text FROM said WHERE key = 'save')),
  (4, 4, 'show startup-config', '#', '#', 'Using 412 out of 32762 bytes
!
version 12.0
service timestamps debug uptime
service timestamps log uptime
no service password-encryption
!
hostname Denver
!
interface Ethernet0
 no ip address
 shutdown
!
interface Serial0
 no ip address
 shutdown
!
line con 0
line vty 0 4
 login
!
end'),
  (4, 5, 'erase startup-config', '#', '#', 'Erasing the nvram filesystem will remove all configuration files! Continue? [confirm]
[OK]
Erase of nvram: complete');

-- 5 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (5, 'Configuring an Ethernet Interface', 'diagrams/lab05.gif',
'Give interface Ethernet0 of R1 a description and the address 192.168.1.1/24, bring it up, and check its state with two show commands.',
'interface ethernet 0 enters interface configuration mode (R1(config-if)#).
description TEXT labels the interface (one word here, e.g. LAN-Boston).
ip address ADDRESS MASK sets the address; the mask 255.255.255.0 is a /24.
Router interfaces start shut down: no shutdown brings them up.
show interfaces ethernet 0 shows one interface in detail, show ip interface brief all interfaces in one table.',
'Interface configuration', 1);
INSERT INTO step VALUES
  (5, 1, 'R1', 'Enter global configuration mode.'),
  (5, 2, 'R1', 'Select interface Ethernet0.'),
  (5, 3, 'R1', 'Describe the interface as LAN-Boston.'),
  (5, 4, 'R1', 'Give it the address 192.168.1.1 with the mask 255.255.255.0.'),
  (5, 5, 'R1', 'Bring the interface up.'),
  (5, 6, 'R1', 'Return to privileged mode and display the interface in detail.'),
  (5, 7, 'R1', 'Display the brief table of all interfaces.');
INSERT INTO expect VALUES
  (5, 1, 'enable', '>', '#', NULL),
  (5, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (5, 2, 'interface ethernet 0', '(config)#', '(config-if)#', NULL),
  (5, 3, 'description LAN-Boston', '(config-if)#', '(config-if)#', NULL),
  (5, 4, 'ip address 192.168.1.1 255.255.255.0', '(config-if)#', '(config-if)#', NULL),
  (5, 5, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 'e0up')),
  (5, 6, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (5, 6, 'show interfaces ethernet 0', '#', '#', 'Ethernet0 is up, line protocol is up
  Hardware is EtherPort, address is 00e0.1e5d.ae2f (bia 00e0.1e5d.ae2f)
  Description: LAN-Boston
  Internet address is 192.168.1.1/24
  MTU 1500 bytes, BW 10000 Kbit, DLY 1000 usec, rely 255/255, load 1/255
  Encapsulation ARPA, loopback not set, keepalive set (10 sec)'),
  (5, 7, 'show ip interface brief', '#', '#', 'Interface    IP-Address      OK? Method Status                Protocol
Ethernet0    192.168.1.1     YES manual up                    up
Serial0      unassigned      YES unset  administratively down down');

-- ===============================================================================================
-- Routing Fundamentals Lab
-- ===============================================================================================

-- 6 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (6, 'Serial Link and Ping', 'diagrams/lab06.gif',
'Connect R1 and R2 over their Serial0 interfaces (network 10.0.0.0/30). R1 holds the DCE end of the cable and supplies the clock. Prove the link with a ping from R2.',
'A serial link needs a clock: the router at the DCE end of the cable sets it with clock rate BITS-PER-SECOND (this simulator offers 1200).
Both ends need addresses of the same network. 255.255.255.252 (/30) leaves exactly two host addresses, one per end.
ping ADDRESS sends five echo requests; !!!!! means five replies.
To work on another router in a lab, open Show Network and choose it.',
'Point-to-point serial link', 2);
INSERT INTO step VALUES
  (6, 1, 'R1', 'On R1, enter the configuration of interface Serial0.'),
  (6, 2, 'R1', 'Give it the address 10.0.0.1/30, supply the clock rate 1200 and bring it up.'),
  (6, 3, 'R1', 'Return to privileged mode.'),
  (6, 4, 'R2', 'Choose R2 in Show Network and enter the configuration of its interface Serial0.'),
  (6, 5, 'R2', 'Give it the address 10.0.0.2/30 and bring it up, then return to privileged mode.'),
  (6, 6, 'R2', 'Ping R1 across the link.');
INSERT INTO expect VALUES
  (6, 1, 'enable', '>', '#', NULL),
  (6, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (6, 1, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (6, 2, 'ip address 10.0.0.1 255.255.255.252', '(config-if)#', '(config-if)#', NULL),
  (6, 2, 'clock rate 1200', '(config-if)#', '(config-if)#', NULL),
  (6, 2, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 's0up')),
  (6, 3, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (6, 4, 'enable', '>', '#', NULL),
  (6, 4, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (6, 4, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (6, 5, 'ip address 10.0.0.2 255.255.255.252', '(config-if)#', '(config-if)#', NULL),
  (6, 5, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 's0up')),
  (6, 5, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (6, 6, 'ping 10.0.0.1', '#', '#', '
Type escape sequence to abort.
Sending 5,100-byte ICMP Echos to  10.0.0.1 ,
Timeout is 2 seconds:
 !!!!! 
Success rate is 100 percent (5/5), round-trip min/avg/max = 6/6/6 ms');

-- 7 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (7, 'Static Routes', 'diagrams/lab07.gif',
'R1 knows its LAN 192.168.1.0/24 and R2 its LAN 192.168.2.0/24; both share the serial network 10.0.0.0/30. Add a static route on each router to the other router''s LAN and check the routing tables.',
'ip route NETWORK MASK NEXT-HOP tells the router where to send packets for a network it is not connected to. The next hop is the neighbour''s address on the shared network.
Routes work in both directions only when both routers know the way back.
In show ip route, C marks connected networks and S static routes; [1/0] is the administrative distance and the metric.',
'Static routing', 2);
INSERT INTO step VALUES
  (7, 1, 'R1', 'On R1, enter global configuration mode.'),
  (7, 2, 'R1', 'Route the network 192.168.2.0/24 to R2 (10.0.0.2).'),
  (7, 3, 'R1', 'Return to privileged mode and display the routing table.'),
  (7, 4, 'R2', 'Choose R2 and enter global configuration mode.'),
  (7, 5, 'R2', 'Route the network 192.168.1.0/24 to R1 (10.0.0.1).'),
  (7, 6, 'R2', 'Return to privileged mode and display the routing table.');
INSERT INTO expect VALUES
  (7, 1, 'enable', '>', '#', NULL),
  (7, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (7, 2, 'ip route 192.168.2.0 255.255.255.0 10.0.0.2', '(config)#', '(config)#', NULL),
  (7, 3, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (7, 3, 'show ip route', '#', '#', 'Codes: C - connected, S - static, I - IGRP, R - RIP

Gateway of last resort is not set

     10.0.0.0/30 is subnetted, 1 subnets
C       10.0.0.0 is directly connected, Serial0
C    192.168.1.0/24 is directly connected, Ethernet0
S    192.168.2.0/24 [1/0] via 10.0.0.2'),
  (7, 4, 'enable', '>', '#', NULL),
  (7, 4, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (7, 5, 'ip route 192.168.1.0 255.255.255.0 10.0.0.1', '(config)#', '(config)#', NULL),
  (7, 6, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (7, 6, 'show ip route', '#', '#', 'Codes: C - connected, S - static, I - IGRP, R - RIP

Gateway of last resort is not set

     10.0.0.0/30 is subnetted, 1 subnets
C       10.0.0.0 is directly connected, Serial0
S    192.168.1.0/24 [1/0] via 10.0.0.1
C    192.168.2.0/24 is directly connected, Ethernet0');

-- 8 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (8, 'Default Route', 'diagrams/lab08.gif',
'R3 sits on R2''s LAN 192.168.2.0/24 and has no other way out. Instead of one route per network, give it a default route to R2 and check that it becomes the gateway of last resort.',
'A default route matches every destination the router has no better route for: ip route 0.0.0.0 0.0.0.0 NEXT-HOP.
It is the natural choice for a stub router with a single exit.
show ip route marks it with S* and names it the gateway of last resort.',
'Default route', 2);
INSERT INTO step VALUES
  (8, 1, 'R3', 'On R3, enter the configuration of interface Ethernet0.'),
  (8, 2, 'R3', 'Give it the address 192.168.2.2/24, bring it up and go back to global configuration mode.'),
  (8, 3, 'R3', 'Send all unknown destinations to R2 (192.168.2.1).'),
  (8, 4, 'R3', 'Return to privileged mode and display the routing table.'),
  (8, 5, 'R3', 'Ping R1''s LAN address 192.168.1.1.');
INSERT INTO expect VALUES
  (8, 1, 'enable', '>', '#', NULL),
  (8, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (8, 1, 'interface ethernet 0', '(config)#', '(config-if)#', NULL),
  (8, 2, 'ip address 192.168.2.2 255.255.255.0', '(config-if)#', '(config-if)#', NULL),
  (8, 2, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 'e0up')),
  (8, 2, 'exit', '(config-if)#', '(config)#', NULL),
  (8, 3, 'ip route 0.0.0.0 0.0.0.0 192.168.2.1', '(config)#', '(config)#', NULL),
  (8, 4, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (8, 4, 'show ip route', '#', '#', 'Codes: C - connected, S - static, I - IGRP, R - RIP, * - candidate default

Gateway of last resort is 192.168.2.1 to network 0.0.0.0

C    192.168.2.0/24 is directly connected, Ethernet0
S*   0.0.0.0/0 [1/0] via 192.168.2.1'),
  (8, 5, 'ping 192.168.1.1', '#', '#', '
Type escape sequence to abort.
Sending 5,100-byte ICMP Echos to  192.168.1.1 ,
Timeout is 2 seconds:
 !!!!! 
Success rate is 100 percent (5/5), round-trip min/avg/max = 6/6/6 ms');

-- 9 ---------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (9, 'Dynamic Routing with RIP', 'diagrams/lab09.gif',
'Replace static routes with the Routing Information Protocol: R1 and R2 announce their LAN and the serial network, learn each other''s LAN, and show it in their routing tables.',
'router rip starts RIP and enters R1(config-router)# (shown here as (router-config)#).
network NETWORK names a classful network whose interfaces send and receive RIP updates: 10.0.0.0, 192.168.1.0.
RIP uses the hop count as metric (up to 15) and sends updates every 30 seconds. Learnt routes show with R and [120/1]: distance 120, one hop.
show ip protocols lists the networks a routing protocol announces.',
'RIP', 2);
INSERT INTO step VALUES
  (9, 1, 'R1', 'On R1, enter global configuration mode and start RIP.'),
  (9, 2, 'R1', 'Announce the networks 192.168.1.0 and 10.0.0.0.'),
  (9, 3, 'R1', 'Return to privileged mode and display the routing protocols.'),
  (9, 4, 'R2', 'Choose R2, enter global configuration mode and start RIP.'),
  (9, 5, 'R2', 'Announce the networks 192.168.2.0 and 10.0.0.0.'),
  (9, 6, 'R2', 'Return to privileged mode and display the routing table.');
INSERT INTO expect VALUES
  (9, 1, 'enable', '>', '#', NULL),
  (9, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (9, 1, 'router rip', '(config)#', '(router-config)#', NULL),
  (9, 2, 'network 192.168.1.0', '(router-config)#', '(router-config)#', NULL),
  (9, 2, 'network 10.0.0.0', '(router-config)#', '(router-config)#', NULL),
  (9, 3, 'end', '(router-config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (9, 3, 'show ip protocols', '#', '#', 'Routing Protocol is "rip"
  Sending updates every 30 seconds, next due in 12 seconds
  Invalid after 180 seconds, hold down 180, flushed after 240
  Redistributing: rip
  Routing for Networks:
    10.0.0.0
    192.168.1.0
  Distance: (default is 120)'),
  (9, 4, 'enable', '>', '#', NULL),
  (9, 4, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (9, 4, 'router rip', '(config)#', '(router-config)#', NULL),
  (9, 5, 'network 192.168.2.0', '(router-config)#', '(router-config)#', NULL),
  (9, 5, 'network 10.0.0.0', '(router-config)#', '(router-config)#', NULL),
  (9, 6, 'end', '(router-config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (9, 6, 'show ip route', '#', '#', 'Codes: C - connected, S - static, I - IGRP, R - RIP

Gateway of last resort is not set

     10.0.0.0/30 is subnetted, 1 subnets
C       10.0.0.0 is directly connected, Serial0
R    192.168.1.0/24 [120/1] via 10.0.0.1, 00:00:07, Serial0
C    192.168.2.0/24 is directly connected, Ethernet0');

-- 10 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (10, 'Remote Access with Telnet', 'diagrams/lab10.gif',
'Prepare R2 for remote management (telnet password and a host table entry on R1), check the path with ping, and open a telnet session from R1 to R2.',
'Telnet logs in to the virtual terminal lines (vty) of a remote router; without a vty password a real router refuses the session.
ip host NAME ADDRESS adds a name to the local host table, so that ping and telnet accept the name instead of the address.
In the router simulator, Ctrl+Shift+6 and then x returns to the router you came from; resume N returns to session N, disconnect N closes it.',
'Telnet', 2);
INSERT INTO step VALUES
  (10, 1, 'R2', 'On R2, enter the configuration of the telnet lines 0 to 4.'),
  (10, 2, 'R2', 'Set the password remote and password checking at login, then return to privileged mode.'),
  (10, 3, 'R1', 'Choose R1 and enter global configuration mode.'),
  (10, 4, 'R1', 'Add the host name R2 for the address 10.0.0.2 to the host table and return to privileged mode.'),
  (10, 5, 'R1', 'Ping R2 by its address.'),
  (10, 6, 'R1', 'Open a telnet session to R2.');
INSERT INTO expect VALUES
  (10, 1, 'enable', '>', '#', NULL),
  (10, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (10, 1, 'line vty 0 4', '(config)#', '(config-line)#', NULL),
  (10, 2, 'password remote', '(config-line)#', '(config-line)#', NULL),
  (10, 2, 'login', '(config-line)#', '(config-line)#', NULL),
  (10, 2, 'end', '(config-line)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (10, 3, 'enable', '>', '#', NULL),
  (10, 3, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (10, 4, 'ip host R2 10.0.0.2', '(config)#', '(config)#', NULL),
  (10, 4, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (10, 5, 'ping 10.0.0.2', '#', '#', '
Type escape sequence to abort.
Sending 5,100-byte ICMP Echos to  10.0.0.2 ,
Timeout is 2 seconds:
 !!!!! 
Success rate is 100 percent (5/5), round-trip min/avg/max = 6/6/6 ms'),
  (10, 6, 'telnet 10.0.0.2', '#', '>', 'Trying R1...Open

User Access Verification

Password: ******');

-- ===============================================================================================
-- Access Lists
-- ===============================================================================================

-- 11 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (11, 'Standard Access List', 'diagrams/lab11.gif',
'Let only R1''s own LAN 192.168.1.0/24 out through R1''s serial interface: write standard access list 10 and apply it outbound on Serial0.',
'A standard access list (numbers 1 to 99) matches the source address only.
access-list NUMBER permit|deny ADDRESS WILDCARD: the wildcard is the inverse of the mask, 0.0.0.255 for a /24.
Every list ends with an invisible "deny any": whatever is not permitted is dropped.
ip access-group NUMBER in|out applies the list to an interface. Place standard lists close to the destination.',
'Standard IP access lists', 3);
INSERT INTO step VALUES
  (11, 1, 'R1', 'Enter global configuration mode on R1.'),
  (11, 2, 'R1', 'Create access list 10 that permits the network 192.168.1.0/24.'),
  (11, 3, 'R1', 'Apply access list 10 to the packets that leave Serial0.'),
  (11, 4, 'R1', 'Return to privileged mode and display the access lists.');
INSERT INTO expect VALUES
  (11, 1, 'enable', '>', '#', NULL),
  (11, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (11, 2, 'access-list 10 permit 192.168.1.0 0.0.0.255', '(config)#', '(config)#', NULL),
  (11, 3, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (11, 3, 'ip access-group 10 out', '(config-if)#', '(config-if)#', NULL),
  (11, 4, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (11, 4, 'show access-lists', '#', '#', 'Standard IP access list 10
    permit 192.168.1.0, wildcard bits 0.0.0.255');

-- 12 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (12, 'Blocking a Single Host', 'diagrams/lab12.gif',
'The PC 192.168.1.10 on R1''s LAN must not reach R2''s LAN, while everyone else may. Build standard access list 20 on R2 and apply it outbound on R2''s Ethernet0.',
'host ADDRESS is short for ADDRESS 0.0.0.0: one single host. any is short for 0.0.0.0 255.255.255.255: every address.
Entries are checked from the top; the first match decides. So the deny for the single host must come before permit any.
Without the final permit any, the implicit deny any would block everyone.',
'host and any', 3);
INSERT INTO step VALUES
  (12, 1, 'R2', 'Enter global configuration mode on R2.'),
  (12, 2, 'R2', 'Deny the host 192.168.1.10 in access list 20.'),
  (12, 3, 'R2', 'Permit every other source in access list 20.'),
  (12, 4, 'R2', 'Apply the list to the packets that leave Ethernet0.'),
  (12, 5, 'R2', 'Return to privileged mode and display the access lists.');
INSERT INTO expect VALUES
  (12, 1, 'enable', '>', '#', NULL),
  (12, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (12, 2, 'access-list 20 deny host 192.168.1.10', '(config)#', '(config)#', NULL),
  (12, 3, 'access-list 20 permit any', '(config)#', '(config)#', NULL),
  (12, 4, 'interface ethernet 0', '(config)#', '(config-if)#', NULL),
  (12, 4, 'ip access-group 20 out', '(config-if)#', '(config-if)#', NULL),
  (12, 5, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (12, 5, 'show access-lists', '#', '#', 'Standard IP access list 20
    deny   192.168.1.10
    permit any');

-- 13 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (13, 'Named Extended Access List', 'diagrams/lab13.gif',
'Stop the web traffic of every host towards the server 192.168.2.2 behind R2, but allow everything else. Write the named extended list BLOCKWEB on R1 and apply it outbound on Serial0.',
'Extended lists match protocol, source, destination and port: permit|deny PROTOCOL SOURCE DESTINATION [eq PORT].
ip access-list extended NAME names the list and enters R1(config-ext-nacl)#, where each line is one entry.
Place extended lists close to the source, so that unwanted traffic does not cross the network first.
eq www is TCP port 80.',
'Extended IP access lists', 3);
INSERT INTO step VALUES
  (13, 1, 'R1', 'Enter global configuration mode on R1.'),
  (13, 2, 'R1', 'Create the extended access list named BLOCKWEB.'),
  (13, 3, 'R1', 'Deny TCP from any source to the host 192.168.2.2 on port www.'),
  (13, 4, 'R1', 'Permit all other IP traffic and leave the list.'),
  (13, 5, 'R1', 'Apply BLOCKWEB to the packets that leave Serial0.'),
  (13, 6, 'R1', 'Return to privileged mode and display the access lists.');
INSERT INTO expect VALUES
  (13, 1, 'enable', '>', '#', NULL),
  (13, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (13, 2, 'ip access-list extended BLOCKWEB', '(config)#', '(config-ext-nacl)#', NULL),
  (13, 3, 'deny tcp any host 192.168.2.2 eq www', '(config-ext-nacl)#', '(config-ext-nacl)#', NULL),
  (13, 4, 'permit ip any any', '(config-ext-nacl)#', '(config-ext-nacl)#', NULL),
  (13, 4, 'exit', '(config-ext-nacl)#', '(config)#', NULL),
  (13, 5, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (13, 5, 'ip access-group BLOCKWEB out', '(config-if)#', '(config-if)#', NULL),
  (13, 6, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (13, 6, 'show access-lists', '#', '#', 'Extended IP access list BLOCKWEB
    deny tcp any host 192.168.2.2 eq www
    permit ip any any');

-- ===============================================================================================
-- Switch Fundamentals
-- ===============================================================================================

-- 14 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (14, 'Switch Console and Host Name', 'diagrams/lab14.gif',
'Open the command line of switch S1 from its management menu, name the switch Access1, protect privileged mode and look at the switch''s software.',
'A switch that has not been set up greets you with its management menu; K opens the command line (prompt >).
The command line of a switch works like a router''s: enable, configure terminal, hostname, enable secret and end are the same commands.
show version names the software and the uptime of the switch.',
'The switch command line', 4);
INSERT INTO step VALUES
  (14, 1, 'S1', 'Open the command line of S1 from its menu.'),
  (14, 2, 'S1', 'Enter privileged mode and then global configuration mode.'),
  (14, 3, 'S1', 'Name the switch Access1.'),
  (14, 4, 'S1', 'Protect privileged mode with the enable secret class.'),
  (14, 5, 'S1', 'Return to privileged mode and display the software version.');
INSERT INTO expect VALUES
  (14, 1, 'k', 'Null', '>', (SELECT text FROM said WHERE key = 'k')),
  (14, 2, 'enable', '>', '#', NULL),
  (14, 2, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (14, 3, 'hostname Access1', '(config)#', '(config)#', NULL),
  (14, 4, 'enable secret class', '(config)#', '(config)#', NULL),
  (14, 5, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (14, 5, 'show version', '#', '#', 'RouteDrill Switch Software
RD-2950 Software (RD2950-I-M), Version 12.1(11), RELEASE SOFTWARE (fc1)

Access1 uptime in minutes is 4
System image file is "flash:rd2950-i-m.121-11"

RD-2950-8 (RC32300) processor with 20839K bytes of memory.
8 FastEthernet/IEEE 802.3 interface(s)
32K bytes of flash-simulated non-volatile configuration memory.

Configuration register is 0xF');

-- 15 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (15, 'Switch Management Address', 'diagrams/lab15.gif',
'A switch forwards frames without any address, but to manage it remotely it needs one. Give S1 the management address 192.168.1.2/24 on VLAN 1 and R1 (192.168.1.1) as default gateway.',
'The management address of a switch lives on the interface of its management VLAN: interface vlan 1, then ip address and no shutdown.
ip default-gateway ADDRESS names the router that takes the switch''s replies to other networks; a switch does not route.
Host ports need no address at all.',
'Switch management', 4);
INSERT INTO step VALUES
  (15, 1, 'S1', 'Open the command line of S1 and enter privileged mode.'),
  (15, 2, 'S1', 'Enter global configuration mode and select the interface of VLAN 1.'),
  (15, 3, 'S1', 'Give it the address 192.168.1.2/24 and bring it up.'),
  (15, 4, 'S1', 'Go back to global configuration mode and set the default gateway 192.168.1.1.'),
  (15, 5, 'S1', 'Return to privileged mode and save the configuration.');
INSERT INTO expect VALUES
  (15, 1, 'k', 'Null', '>', (SELECT text FROM said WHERE key = 'k')),
  (15, 1, 'enable', '>', '#', NULL),
  (15, 2, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (15, 2, 'interface vlan 1', '(config)#', '(config-if)#', NULL),
  (15, 3, 'ip address 192.168.1.2 255.255.255.0', '(config-if)#', '(config-if)#', NULL),
  (15, 3, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 'vlan1up')),
  (15, 4, 'exit', '(config-if)#', '(config)#', NULL),
  (15, 4, 'ip default-gateway 192.168.1.1', '(config)#', '(config)#', NULL),
  (15, 5, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (15, 5, 'copy running-config startup-config', '#', '#', (SELECT text FROM said WHERE key = 'save'));

-- 16 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (16, 'Switch Port Settings', 'diagrams/lab16.gif',
'Port FastEthernet0/1 of S2 connects a server that cannot negotiate. Label the port, fix it at 100 Mbit/s full duplex, and look at the switch''s MAC address table.',
'Ports negotiate speed and duplex by default. When one end is fixed, fix the other end the same way: speed 100 and duplex full; a mismatch causes errors and slow transfers.
description TEXT labels a port.
show mac address-table lists the MAC addresses the switch has learnt, with their VLAN and port: that is how it knows where to forward a frame.',
'Switch ports and the MAC table', 4);
INSERT INTO step VALUES
  (16, 1, 'S2', 'Enter privileged mode on S2 and then global configuration mode.'),
  (16, 2, 'S2', 'Select port FastEthernet0/1 and describe it as Server-port.'),
  (16, 3, 'S2', 'Fix the port at 100 Mbit/s and full duplex.'),
  (16, 4, 'S2', 'Return to privileged mode and display the MAC address table.');
INSERT INTO expect VALUES
  (16, 1, 'enable', '>', '#', NULL),
  (16, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (16, 2, 'interface fastethernet 0/1', '(config)#', '(config-if)#', NULL),
  (16, 2, 'description Server-port', '(config-if)#', '(config-if)#', NULL),
  (16, 3, 'speed 100', '(config-if)#', '(config-if)#', NULL),
  (16, 3, 'duplex full', '(config-if)#', '(config-if)#', NULL),
  (16, 4, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (16, 4, 'show mac address-table', '#', '#', 'Destination Address  Address Type  VLAN  Destination Port
-------------------  ------------  ----  --------------------
0010.7b3a.8f01       Dynamic          1  FastEthernet0/1
0060.5c2b.11d4       Dynamic          1  FastEthernet0/3
00e0.1e5d.bb10       Dynamic          1  FastEthernet0/8');

-- ===============================================================================================
-- Switch Configuration And VLAN
-- ===============================================================================================

-- 17 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (17, 'Creating VLANs', 'diagrams/lab17.gif',
'Split the LAN behind S1 into departments: create VLAN 10 Sales and VLAN 20 Engineering and list the VLANs of the switch.',
'A VLAN is a broadcast domain of its own: hosts in different VLANs cannot talk without a router.
vlan NUMBER creates a VLAN and enters its configuration mode (S1(config-vlan)#), where name NAME names it; exit returns to global configuration mode. VLAN 1 is the default VLAN; every port starts in it.
show vlan brief lists the VLANs and their ports.',
'VLANs', 5);
INSERT INTO step VALUES
  (17, 1, 'S1', 'Open the command line of S1, enter privileged mode and global configuration mode.'),
  (17, 2, 'S1', 'Create VLAN 10 with the name Sales and go back to global configuration mode.'),
  (17, 3, 'S1', 'Create VLAN 20 with the name Engineering and go back to global configuration mode.'),
  (17, 4, 'S1', 'Return to privileged mode and list the VLANs.');
INSERT INTO expect VALUES
  (17, 1, 'k', 'Null', '>', (SELECT text FROM said WHERE key = 'k')),
  (17, 1, 'enable', '>', '#', NULL),
  (17, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (17, 2, 'vlan 10', '(config)#', '(config-vlan)#', NULL),
  (17, 2, 'name Sales', '(config-vlan)#', '(config-vlan)#', NULL),
  (17, 2, 'exit', '(config-vlan)#', '(config)#', NULL),
  (17, 3, 'vlan 20', '(config)#', '(config-vlan)#', NULL),
  (17, 3, 'name Engineering', '(config-vlan)#', '(config-vlan)#', NULL),
  (17, 3, 'exit', '(config-vlan)#', '(config)#', NULL),
  (17, 4, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (17, 4, 'show vlan brief', '#', '#', 'VLAN Name                             Status    Ports
---- -------------------------------- --------- -------------------------------
1    default                          active    Fa0/1, Fa0/2, Fa0/3, Fa0/4
                                                Fa0/5, Fa0/6, Fa0/7, Fa0/8
10   Sales                            active
20   Engineering                      active
1002 fddi-default                     active
1003 token-ring-default               active');

-- 18 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (18, 'Assigning Ports to VLANs', 'diagrams/lab18.gif',
'Put the Sales PC on port FastEthernet0/2 and the Engineering PC on port FastEthernet0/3 of S1 into their VLANs, and check the port lists.',
'switchport mode access makes a port an access port: it carries one VLAN, untagged.
switchport access vlan NUMBER chooses that VLAN. The VLAN must exist.
exit returns to global configuration mode, where interface selects the next port.',
'Access ports', 5);
INSERT INTO step VALUES
  (18, 1, 'S1', 'Open the command line of S1, enter privileged mode and global configuration mode.'),
  (18, 2, 'S1', 'Select port FastEthernet0/2 and describe it as Sales-PC.'),
  (18, 3, 'S1', 'Make the port an access port of VLAN 10, then go back to global configuration mode.'),
  (18, 4, 'S1', 'Select port FastEthernet0/3 and describe it as Engineering-PC.'),
  (18, 5, 'S1', 'Make the port an access port of VLAN 20.'),
  (18, 6, 'S1', 'Return to privileged mode and list the VLANs with their ports.');
INSERT INTO expect VALUES
  (18, 1, 'k', 'Null', '>', (SELECT text FROM said WHERE key = 'k')),
  (18, 1, 'enable', '>', '#', NULL),
  (18, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (18, 2, 'interface fastethernet 0/2', '(config)#', '(config-if)#', NULL),
  (18, 2, 'description Sales-PC', '(config-if)#', '(config-if)#', NULL),
  (18, 3, 'switchport mode access', '(config-if)#', '(config-if)#', NULL),
  (18, 3, 'switchport access vlan 10', '(config-if)#', '(config-if)#', NULL),
  (18, 3, 'exit', '(config-if)#', '(config)#', NULL),
  (18, 4, 'interface fastethernet 0/3', '(config)#', '(config-if)#', NULL),
  (18, 4, 'description Engineering-PC', '(config-if)#', '(config-if)#', NULL),
  (18, 5, 'switchport mode access', '(config-if)#', '(config-if)#', NULL),
  (18, 5, 'switchport access vlan 20', '(config-if)#', '(config-if)#', NULL),
  (18, 6, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (18, 6, 'show vlan brief', '#', '#', 'VLAN Name                             Status    Ports
---- -------------------------------- --------- -------------------------------
1    default                          active    Fa0/1, Fa0/4, Fa0/5, Fa0/6
                                                Fa0/7, Fa0/8
10   Sales                            active    Fa0/2
20   Engineering                      active    Fa0/3
1002 fddi-default                     active
1003 token-ring-default               active');

-- 19 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (19, 'Trunk and Router on a Stick', 'diagrams/lab19.gif',
'Let VLAN 10 and VLAN 20 behind S2 talk to each other through R2: make S2''s uplink FastEthernet0/8 a trunk, and give R2 one 802.1Q sub-interface per VLAN on Ethernet0.',
'A trunk carries many VLANs over one link; every frame gets an 802.1Q tag with its VLAN number: switchport mode trunk.
A router joins all VLANs of a trunk with sub-interfaces: interface ethernet 0.1 (from the interface''s own configuration), encapsulation dot1q VLAN, then the VLAN''s gateway address.
The physical interface itself only needs no shutdown.',
'Inter-VLAN routing', 5);
INSERT INTO step VALUES
  (19, 1, 'S2', 'On S2, enter privileged mode and global configuration mode.'),
  (19, 2, 'S2', 'Make the uplink FastEthernet0/8 a trunk, then return to privileged mode.'),
  (19, 3, 'R2', 'Choose R2, enter global configuration mode, select Ethernet0 and bring it up.'),
  (19, 4, 'R2', 'Create sub-interface Ethernet0.1 for VLAN 10 with the address 192.168.10.1/24.'),
  (19, 5, 'R2', 'Go back to global configuration mode and select Ethernet0 again.'),
  (19, 6, 'R2', 'Create sub-interface Ethernet0.2 for VLAN 20 with the address 192.168.20.1/24.'),
  (19, 7, 'R2', 'Return to privileged mode and display the brief interface table.');
INSERT INTO expect VALUES
  (19, 1, 'enable', '>', '#', NULL),
  (19, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (19, 2, 'interface fastethernet 0/8', '(config)#', '(config-if)#', NULL),
  (19, 2, 'switchport mode trunk', '(config-if)#', '(config-if)#', NULL),
  (19, 2, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (19, 3, 'enable', '>', '#', NULL),
  (19, 3, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (19, 3, 'interface ethernet 0', '(config)#', '(config-if)#', NULL),
  (19, 3, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 'e0up')),
  (19, 4, 'interface ethernet 0.1', '(config-if)#', '(config-subif)#', NULL),
  (19, 4, 'encapsulation dot1q 10', '(config-subif)#', '(config-subif)#', NULL),
  (19, 4, 'ip address 192.168.10.1 255.255.255.0', '(config-subif)#', '(config-subif)#', NULL),
  (19, 5, 'exit', '(config-subif)#', '(config)#', NULL),
  (19, 5, 'interface ethernet 0', '(config)#', '(config-if)#', NULL),
  (19, 6, 'interface ethernet 0.2', '(config-if)#', '(config-subif)#', NULL),
  (19, 6, 'encapsulation dot1q 20', '(config-subif)#', '(config-subif)#', NULL),
  (19, 6, 'ip address 192.168.20.1 255.255.255.0', '(config-subif)#', '(config-subif)#', NULL),
  (19, 7, 'end', '(config-subif)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (19, 7, 'show ip interface brief', '#', '#', 'Interface    IP-Address      OK? Method Status                Protocol
Ethernet0    unassigned      YES unset  up                    up
Ethernet0.1  192.168.10.1    YES manual up                    up
Ethernet0.2  192.168.20.1    YES manual up                    up
Serial0      unassigned      YES unset  administratively down down');

-- 20 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (20, 'VLAN Trunking Protocol', 'diagrams/lab20.gif',
'Let S1 distribute its VLANs to the other switches: make it the VTP server of the domain CORP and check the VTP status.',
'VTP copies the VLAN list from a server switch to the client switches of the same domain over trunks.
vtp domain NAME sets the domain; vtp mode server|client|transparent sets the role. Only servers create and delete VLANs; transparent switches keep their own list.
show vtp status shows the domain, the mode and the configuration revision.',
'VTP', 5);
INSERT INTO step VALUES
  (20, 1, 'S1', 'Open the command line of S1, enter privileged mode and global configuration mode.'),
  (20, 2, 'S1', 'Set the VTP domain CORP.'),
  (20, 3, 'S1', 'Make S1 a VTP server.'),
  (20, 4, 'S1', 'Return to privileged mode and display the VTP status.');
INSERT INTO expect VALUES
  (20, 1, 'k', 'Null', '>', (SELECT text FROM said WHERE key = 'k')),
  (20, 1, 'enable', '>', '#', NULL),
  (20, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (20, 2, 'vtp domain CORP', '(config)#', '(config)#', 'Changing VTP domain name from NULL to CORP'),
  (20, 3, 'vtp mode server', '(config)#', '(config)#', 'Device mode already VTP SERVER.'),
  (20, 4, 'end', '(config)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (20, 4, 'show vtp status', '#', '#', 'VTP Version                     : 2
Configuration Revision          : 2
Maximum VLANs supported locally : 64
Number of existing VLANs        : 7
VTP Operating Mode              : Server
VTP Domain Name                 : CORP
VTP Pruning Mode                : Disabled');

-- ===============================================================================================
-- Wide Area Networking
-- ===============================================================================================

-- 21 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (21, 'PPP Encapsulation', 'diagrams/lab21.gif',
'Replace the default HDLC on the serial link between R1 and R2 with PPP. Both ends must agree, or the line protocol stays down.',
'Serial interfaces use HDLC by default. encapsulation ppp switches to the Point-to-Point Protocol, which adds authentication and works between routers of any make.
Both ends of a link must use the same encapsulation.
show interfaces serial 0 shows the encapsulation and whether the line protocol is up.',
'PPP', 6);
INSERT INTO step VALUES
  (21, 1, 'R1', 'On R1, select interface Serial0.'),
  (21, 2, 'R1', 'Change its encapsulation to PPP and return to privileged mode.'),
  (21, 3, 'R2', 'Choose R2 and select its interface Serial0.'),
  (21, 4, 'R2', 'Change its encapsulation to PPP and return to privileged mode.'),
  (21, 5, 'R2', 'Display interface Serial0 of R2.');
INSERT INTO expect VALUES
  (21, 1, 'enable', '>', '#', NULL),
  (21, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (21, 1, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (21, 2, 'encapsulation ppp', '(config-if)#', '(config-if)#', NULL),
  (21, 2, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (21, 3, 'enable', '>', '#', NULL),
  (21, 3, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (21, 3, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (21, 4, 'encapsulation ppp', '(config-if)#', '(config-if)#', NULL),
  (21, 4, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (21, 5, 'show interfaces serial 0', '#', '#', 'Serial0 is up, line protocol is up
  Hardware is SyncSerial
  Internet address is 10.0.0.2/30
  MTU 1500 bytes, BW 1544 Kbit, DLY 20000 usec, rely 255/255, load 1/255
  Encapsulation PPP, loopback not set, keepalive set (10 sec)
  LCP Open
  Open: IPCP, CDPCP');

-- 22 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (22, 'PPP with CHAP Authentication', 'diagrams/lab22.gif',
'Make R1 and R2 prove who they are before the serial link comes up: each router knows the other''s host name and the shared password, and asks for CHAP.',
'CHAP never sends the password itself: the routers exchange a challenge and a hash of it.
username NAME password SECRET: NAME is the host name of the peer router, SECRET the same on both routers.
ppp authentication chap on the interface makes the router demand CHAP. It needs encapsulation ppp.',
'CHAP', 6);
INSERT INTO step VALUES
  (22, 1, 'R1', 'On R1, enter global configuration mode.'),
  (22, 2, 'R1', 'Add the user R2 with the password secret.'),
  (22, 3, 'R1', 'Select Serial0, use PPP and demand CHAP, then return to privileged mode.'),
  (22, 4, 'R2', 'Choose R2 and enter global configuration mode.'),
  (22, 5, 'R2', 'Add the user R1 with the password secret.'),
  (22, 6, 'R2', 'Select Serial0, use PPP and demand CHAP, then return to privileged mode.');
INSERT INTO expect VALUES
  (22, 1, 'enable', '>', '#', NULL),
  (22, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (22, 2, 'username R2 password secret', '(config)#', '(config)#', NULL),
  (22, 3, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (22, 3, 'encapsulation ppp', '(config-if)#', '(config-if)#', NULL),
  (22, 3, 'ppp authentication chap', '(config-if)#', '(config-if)#', NULL),
  (22, 3, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (22, 4, 'enable', '>', '#', NULL),
  (22, 4, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (22, 5, 'username R1 password secret', '(config)#', '(config)#', NULL),
  (22, 6, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (22, 6, 'encapsulation ppp', '(config-if)#', '(config-if)#', NULL),
  (22, 6, 'ppp authentication chap', '(config-if)#', '(config-if)#',
   '%LINEPROTO-5-UPDOWN: Line protocol on Interface Serial0, changed state to up'),
  (22, 6, 'end', '(config-if)#', '#', (SELECT text FROM said WHERE key = 'end'));

-- 23 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (23, 'Frame Relay Point-to-Point', 'diagrams/lab23.gif',
'Connect R1 to a Frame Relay cloud: Frame Relay encapsulation with ANSI LMI on Serial0, and a point-to-point sub-interface Serial0.1 on DLCI 17 with the address 172.16.1.1/30.',
'Frame Relay builds virtual circuits through a provider network; the DLCI is the local number of a circuit.
encapsulation frame-relay turns the interface to Frame Relay; frame-relay lmi-type sets the signalling the provider uses (ansi or q933a).
A point-to-point sub-interface carries one circuit like a leased line: interface serial 0.1 point-to-point, then frame-relay interface-dlci DLCI and an address.',
'Frame Relay', 6);
INSERT INTO step VALUES
  (23, 1, 'R1', 'On R1, select interface Serial0.'),
  (23, 2, 'R1', 'Use Frame Relay encapsulation with the LMI type ANSI and bring the interface up.'),
  (23, 3, 'R1', 'Create the point-to-point sub-interface Serial0.1.'),
  (23, 4, 'R1', 'Give it DLCI 17 and the address 172.16.1.1/30.'),
  (23, 5, 'R1', 'Return to privileged mode and display the Frame Relay circuits.');
INSERT INTO expect VALUES
  (23, 1, 'enable', '>', '#', NULL),
  (23, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (23, 1, 'interface serial 0', '(config)#', '(config-if)#', NULL),
  (23, 2, 'encapsulation frame-relay', '(config-if)#', '(config-if)#', NULL),
  (23, 2, 'frame-relay lmi-type ansi', '(config-if)#', '(config-if)#', NULL),
  (23, 2, 'no shutdown', '(config-if)#', '(config-if)#', (SELECT text FROM said WHERE key = 's0up')),
  (23, 3, 'interface serial 0.1 point-to-point', '(config-if)#', '(config-subif)#', NULL),
  (23, 4, 'frame-relay interface-dlci 17', '(config-subif)#', '(config-subif)#', NULL),
  (23, 4, 'ip address 172.16.1.1 255.255.255.252', '(config-subif)#', '(config-subif)#', NULL),
  (23, 5, 'end', '(config-subif)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (23, 5, 'show frame-relay pvc', '#', '#', 'PVC Statistics for interface Serial0 (Frame Relay DTE)

              Active     Inactive      Deleted       Static
  Local          1            0            0            0

DLCI = 17, DLCI USAGE = LOCAL, PVC STATUS = ACTIVE, INTERFACE = Serial0.1

  input pkts 12            output pkts 10           in bytes 1184');

-- 24 --------------------------------------------------------------------------------------------
INSERT INTO sublab VALUES (24, 'T1 Controller', 'diagrams/lab24.gif',
'R3 has a channelized T1 line to the provider. Set the controller to the provider''s values: ESF framing, B8ZS line code, clock from the line.',
'controller t1 0 enters R3(config-controller)#.
framing esf|sf and linecode b8zs|ami must match the provider''s line; on E1 lines the values are crc4 and hdb3.
clock source line takes the clock from the provider, as a customer router usually does.
show controllers t1 0 reports alarms; "No alarms detected" means the settings match.',
'T1 controllers', 6);
INSERT INTO step VALUES
  (24, 1, 'R3', 'On R3, enter global configuration mode.'),
  (24, 2, 'R3', 'Select T1 controller 0.'),
  (24, 3, 'R3', 'Set ESF framing and the B8ZS line code.'),
  (24, 4, 'R3', 'Take the clock from the line.'),
  (24, 5, 'R3', 'Return to privileged mode and display the controller.');
INSERT INTO expect VALUES
  (24, 1, 'enable', '>', '#', NULL),
  (24, 1, 'configure terminal', '#', '(config)#', (SELECT text FROM said WHERE key = 'conft')),
  (24, 2, 'controller t1 0', '(config)#', '(config-controller)#', NULL),
  (24, 3, 'framing esf', '(config-controller)#', '(config-controller)#', NULL),
  (24, 3, 'linecode b8zs', '(config-controller)#', '(config-controller)#', NULL),
  (24, 4, 'clock source line', '(config-controller)#', '(config-controller)#', NULL),
  (24, 5, 'end', '(config-controller)#', '#', (SELECT text FROM said WHERE key = 'end')),
  (24, 5, 'show controllers t1 0', '#', '#', 'T1 0 is up.
  Applique type is Channelized T1
  Cablelength is long gain36 0db
  No alarms detected.
  Framing is ESF, Line Code is B8ZS, Clock Source is Line.');

-- ===============================================================================================
-- Numbering
-- ===============================================================================================

INSERT INTO instructions ("index", instruction, ref, flashcard, notes, device)
  SELECT lab * 100 + step, text, lab, 'nill', 'nill', device FROM step ORDER BY lab, step;

INSERT INTO comrestble ("index", command, response, comprompt, resprompt, notes, ref1)
  SELECT lab * 1000 + row_number() OVER (PARTITION BY lab ORDER BY rowid), command,
         coalesce(response, 'nill'), comprompt, resprompt, 'nill', lab * 100 + step
  FROM expect ORDER BY lab, rowid;

-- Line breaks become CR LF for the console and the flash card.
UPDATE sublab SET Description = replace(Description, char(10), char(13) || char(10)),
                  flashcard = replace(flashcard, char(10), char(13) || char(10));
UPDATE comrestble SET response = replace(response, char(10), char(13) || char(10));

DROP TABLE said;
DROP TABLE expect;
DROP TABLE step;
