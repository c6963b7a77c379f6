#include "content/lab_lines.h"

namespace rd::test {

namespace {

constexpr const char* kBasics = "basics";
constexpr const char* kInterfaces = "interfaces";
constexpr const char* kLines = "lines and passwords";
constexpr const char* kSubModes = "global commands in sub-modes";
constexpr const char* kSaving = "saving and restoring";
constexpr const char* kRouting = "routing";
constexpr const char* kAcl = "access lists";
constexpr const char* kSwitches = "switches";
constexpr const char* kWan = "wan";
constexpr const char* kDiagnostics = "diagnostics";

// Basic router set-up on R1: passwords, banner, lines, both interfaces, RIP, then the show
// commands of a first lab and saving.
LabSession BasicRouter() {
  return {
      "R1",
      "",
      {
          {kBasics, "enable", "", "", "#"},
          {kBasics, "configure terminal", "", "", "(config)#"},
          {kBasics, "hostname R1", "show running-config", "hostname R1"},
          {kBasics, "no ip domain-lookup", "show hosts", "domain service: disable"},
          {kBasics, "enable secret class", "show running-config", "enable secret:\nclass"},
          {kBasics, "enable password guest", "show running-config", "enable password:\nguest"},
          {kBasics, "banner motd #Authorized access only#", "show running-config",
           "Authorized access only"},
          {kLines, "service password-encryption"},
          {kLines, "line console 0", "", "", "(config-line)#"},
          {kLines, "password conpass"},
          {kLines, "login"},
          {kLines, "logging synchronous"},
          {kLines, "exec-timeout 0 0"},
          {kSubModes, "line vty 0 4", "", "", "(config-line)#"},
          {kLines, "password remote", "show running-config", "line vty 0 4\n! password:\nremote"},
          {kLines, "login"},
          {kLines, "transport input telnet"},
          {kLines, "exit", "", "", "(config)#"},
          {kInterfaces, "interface ethernet 0", "", "", "(config-if)#"},
          {kInterfaces, "description LAN of R1", "show running-config", "! description:\nLAN"},
          {kInterfaces, "ip address 192.168.1.1 255.255.255.0", "show ip interface brief",
           "192.168.1.1"},
          {kInterfaces, "no shutdown", "show interfaces ethernet 0", "Ethernet0 is up"},
          {kInterfaces, "exit", "", "", "(config)#"},
          {kInterfaces, "int s0", "", "", "(config-if)#"},
          {kInterfaces, "interface serial 0", "", "", "(config-if)#"},
          {kInterfaces, "description Link to R2"},
          {kInterfaces, "ip address 10.0.0.1 255.255.255.252", "show ip interface brief",
           "10.0.0.1"},
          {kInterfaces, "clock rate 64000"},
          {kInterfaces, "bandwidth 64", "show interfaces serial 0", "BW 64 Kbit"},
          {kInterfaces, "no shut", "show interfaces serial 0", "Serial0 is up"},
          {kSubModes, "router rip", "", "", "(router-config)#"},
          {kRouting, "version 2", "show ip protocols", "send version 2"},
          {kRouting, "network 192.168.1.0"},
          {kRouting, "network 10.0.0.0", "show ip protocols", "10.0.0.0"},
          {kRouting, "no auto-summary"},
          {kRouting, "passive-interface ethernet 0"},
          {kSubModes, "interface ethernet 0", "", "", "(config-if)#"},
          {kSubModes, "line console 0", "", "", "(config-line)#"},
          {kLines, "exec-timeout 5 0", "show running-config", " exec-timeout 5 0"},
          {kSubModes, "hostname R1", "", "", "(config)#"},
          {kBasics, "end", "", "", "#"},
          {kDiagnostics, "show ip interface brief"},
          {kDiagnostics, "sh ip int br"},
          {kDiagnostics, "show running-config"},
          {kDiagnostics, "sh run"},
          {kSaving, "copy running-config startup-config"},
          {kSaving, "copy run start"},
          {kSaving, "wr"},
          {kSaving, "show startup-config", "show startup-config", "hostname R1"},
          {kDiagnostics, "show interfaces serial 0"},
          {kDiagnostics, "sh int s 0"},
          {kDiagnostics, "sh int s0"},
          {kDiagnostics, "show interfaces"},
          {kDiagnostics, "show controllers serial 0"},
          {kDiagnostics, "show version"},
          {kDiagnostics, "show clock"},
          {kDiagnostics, "show history"},
          {kDiagnostics, "show protocols"},
          {kDiagnostics, "show flash"},
          {kRouting, "show ip protocols"},
          {kRouting, "show ip route"},
          {kDiagnostics, "debug ip rip"},
          {kDiagnostics, "undebug all"},
          {kDiagnostics, "no debug all"},
          {kBasics, "disable", "", "", ">"},
          {kBasics, "enable", "", "", "#"},
      }};
}

// The serial link from R2's side: addresses, static and default routes, a host table entry,
// telnet lines, then the tests of the link and a telnet session to R1.
LabSession SerialLinkAndStaticRoutes() {
  return {
      "R2",
      "",
      {
          {kBasics, "en", "", "", "#"},
          {kBasics, "conf t", "", "", "(config)#"},
          {kBasics, "hostname R2", "show running-config", "hostname R2"},
          {kInterfaces, "interface Serial0", "", "", "(config-if)#"},
          {kInterfaces, "interface serial 0", "", "", "(config-if)#"},
          {kInterfaces, "ip address 10.0.0.2 255.255.255.252", "show ip interface brief",
           "10.0.0.2"},
          {kInterfaces, "description Link to R1"},
          {kInterfaces, "no shutdown"},
          {kSubModes, "interface ethernet 0", "", "", "(config-if)#"},
          {kInterfaces, "exit", "", "", "(config)#"},
          {kInterfaces, "int e 0", "", "", "(config-if)#"},
          {kInterfaces, "ip add 192.168.2.1 255.255.255.0", "show ip interface brief",
           "192.168.2.1"},
          {kInterfaces, "no sh"},
          {kInterfaces, "exit", "", "", "(config)#"},
          {kRouting, "ip route 192.168.1.0 255.255.255.0 10.0.0.1", "show ip route", "192.168.1.0"},
          {kRouting, "ip route 0.0.0.0 0.0.0.0 serial 0", "show ip route",
           "out of Serial0 (network, mask):\n0.0.0.0\n0.0.0.0"},
          {kBasics, "ip host R1 10.0.0.1", "show hosts", "R1"},
          {kBasics, "ip domain-name lab.local", "show hosts", "lab.local"},
          {kLines, "line vty 0 4", "", "", "(config-line)#"},
          {kLines, "password remote"},
          {kLines, "login"},
          {kSubModes, "router rip", "", "", "(router-config)#"},
          {kRouting, "version 2"},
          {kRouting, "network 192.168.2.0"},
          {kRouting, "network 10.0.0.0", "show ip protocols", "10.0.0.0"},
          {kRouting, "no auto-summary"},
          {kBasics, "end", "", "", "#"},
          {kRouting, "show ip protocols"},
          {kDiagnostics, "ping 10.0.0.1"},
          {kDiagnostics, "ping R1"},
          {kDiagnostics, "ping 192.168.1.1"},
          {kDiagnostics, "traceroute 10.0.0.1"},
          {kRouting, "show ip route"},
          {kRouting, "sh ip ro"},
          {kDiagnostics, "show cdp neighbors"},
      }};
}

// A telnet session from R2 to R1 over the serial link.
LabSession Telnet() {
  return {"R2",
          "",
          {
              {kBasics, "enable", "", "", "#"},
              {kDiagnostics, "telnet 10.0.0.1", "", "", ">", "remote"},
              {kDiagnostics, "show sessions"},
              {kDiagnostics, "show users"},
          }};
}

// Switch S1: VLANs, access ports, a trunk, the management address, lines and VTP.
LabSession SwitchVlans() {
  return {
      "S1",
      "",
      {
          {kBasics, "enable", "", "", "#"},
          {kBasics, "configure terminal", "", "", "(config)#"},
          {kBasics, "hostname S1", "show running-config", "hostname S1"},
          {kBasics, "enable secret class"},
          {kSwitches, "vlan 10", "", "", "(config-vlan)#"},
          {kSwitches, "name SALES"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "vlan 20", "", "", "(config-vlan)#"},
          {kSwitches, "name ENGINEERING", "show vlan brief", "ENGINEERING"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "interface fastethernet 0/2", "", "", "(config-if)#"},
          {kSwitches, "description Sales PC"},
          {kSwitches, "switchport mode access"},
          {kSwitches, "switchport access vlan 10", "show vlan brief", "Fa0/2    10"},
          {kSwitches, "spanning-tree portfast"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "int fa0/3", "", "", "(config-if)#"},
          {kSwitches, "int fa 0/3", "", "", "(config-if)#"},
          {kSwitches, "switchport mode access"},
          {kSwitches, "switchport access vlan 20", "show vlan brief", "Fa0/3    20"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "interface range fa0/4 - 7", "", "", "(config-if-range)#"},
          {kSwitches, "interface fastethernet 0/8", "", "", "(config-if)#"},
          {kSwitches, "switchport mode trunk"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "interface vlan 1", "", "", "(config-if)#"},
          {kSwitches, "ip address 192.168.1.2 255.255.255.0", "show interfaces vlan 1",
           "192.168.1.2"},
          {kSwitches, "no shutdown"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "ip default-gateway 192.168.1.1", "show running-config",
           "ip default-gateway:\n192.168.1.1"},
          {kLines, "line vty 0 15", "", "", "(config-line)#"},
          {kLines, "password remote"},
          {kLines, "login"},
          {kSubModes, "line con 0", "", "", "(config-line)#"},
          {kLines, "password conpass", "show running-config", "line con 0\n! password:\nconpass"},
          {kLines, "login"},
          {kBasics, "end", "", "", "#"},
          {kSwitches, "show vlan brief"},
          {kSwitches, "sh vlan br"},
          {kSwitches, "show vlan"},
          {kSwitches, "show mac address-table"},
          {kSwitches, "show mac-address-table"},
          {kSwitches, "show interfaces trunk"},
          {kSwitches, "show interfaces vlan 1"},
          {kSwitches, "show interfaces fastethernet 0/2"},
          {kDiagnostics, "show running-config"},
          {kSaving, "copy running-config startup-config"},
          {kBasics, "configure terminal", "", "", "(config)#"},
          {kSwitches, "vtp mode transparent"},
          {kSwitches, "vtp domain LAB", "show vtp status", "LAB"},
          {kBasics, "end", "", "", "#"},
          {kSwitches, "show vtp status"},
      }};
}

// Back on R1, now with its console password and enable secret: standard, extended and named
// access lists, applied to an interface and to the telnet lines.
LabSession AccessLists() {
  return {"R1",
          "conpass",
          {
              {kBasics, "enable", "", "", "#", "class"},
              {kBasics, "conf t", "", "", "(config)#"},
              {kAcl, "access-list 10 permit 192.168.1.0 0.0.0.255"},
              {kAcl, "access-list 10 deny any"},
              {kAcl, "access-list 1 deny 192.168.1.12"},
              {kAcl, "access-list 1 deny host 192.168.1.12"},
              {kAcl, "access-list 1 permit any"},
              {kAcl, "access-list 101 deny tcp any host 192.168.2.2 eq 80"},
              {kAcl, "access-list 101 deny tcp any any eq telnet"},
              {kAcl, "access-list 101 permit ip any any"},
              {kAcl, "access-list 102 deny icmp 192.168.1.0 0.0.0.255 any"},
              {kAcl, "access-list 102 permit ip any any", "show access-lists",
               "(number or name):\n102"},
              {kAcl, "interface serial 0", "", "", "(config-if)#"},
              {kAcl, "ip access-group 102 out"},
              {kAcl, "exit", "", "", "(config)#"},
              {kAcl, "line vty 0 4", "", "", "(config-line)#"},
              {kAcl, "access-class 10 in", "show running-config", "(list number, in):\n10"},
              {kAcl, "exit", "", "", "(config)#"},
              {kAcl, "ip access-list standard MANAGERS", "", "", "(config-std-nacl)#"},
              {kAcl, "permit host 192.168.1.50"},
              {kAcl, "exit", "", "", "(config)#"},
              {kAcl, "ip access-list extended BLOCKWEB", "", "", "(config-ext-nacl)#"},
              {kAcl, "deny tcp any host 192.168.2.2 eq www"},
              {kAcl, "permit ip any any"},
              {kBasics, "end", "", "", "#"},
              {kAcl, "show access-lists"},
              {kAcl, "sh access-lists"},
          }};
}

// PPP with CHAP on R1's serial interface.
LabSession Ppp() {
  return {"R1",
          "conpass",
          {
              {kBasics, "enable", "", "", "#", "class"},
              {kBasics, "configure terminal", "", "", "(config)#"},
              {kWan, "username R2 password secret", "show running-config", "R2\nsecret"},
              {kWan, "interface serial 0", "", "", "(config-if)#"},
              {kWan, "encapsulation ppp", "show interfaces serial 0", "Encapsulation ppp"},
              {kWan, "ppp authentication chap"},
              {kWan, "clock rate 56000"},
              {kBasics, "end", "", "", "#"},
              {kWan, "show interfaces serial 0"},
              {kWan, "show controllers serial 0"},
          }};
}

// The other end of the PPP link: R2 knows R1 with the same password and demands CHAP too.
LabSession PppPeer() {
  return {"R2",
          "",
          {
              {kBasics, "enable", "", "", "#"},
              {kBasics, "configure terminal", "", "", "(config)#"},
              {kWan, "username R1 password secret", "show running-config", "R1\nsecret"},
              {kWan, "interface serial 0", "", "", "(config-if)#"},
              {kWan, "encapsulation ppp", "show interfaces serial 0", "Encapsulation ppp"},
              {kWan, "ppp authentication chap"},
              {kBasics, "end", "", "", "#"},
              {kWan, "show interfaces serial 0"},
              {kWan, "show controllers serial 0"},
              {kDiagnostics, "ping 10.0.0.1"},
          }};
}

// R3 on a Frame Relay network: encapsulation, LMI, a point-to-point sub-interface and a map.
LabSession FrameRelay() {
  return {"R3",
          "",
          {
              {kBasics, "enable", "", "", "#"},
              {kBasics, "conf t", "", "", "(config)#"},
              {kBasics, "hostname R3"},
              {kWan, "interface serial 0", "", "", "(config-if)#"},
              {kWan, "encapsulation frame-relay", "show interfaces serial 0",
               "Encapsulation frame-relay"},
              {kWan, "frame-relay lmi-type ansi"},
              {kWan, "no shutdown"},
              {kWan, "interface serial 0.1 point-to-point", "", "", "(config-subif)#"},
              {kWan, "ip address 172.16.1.1 255.255.255.252", "show running-config", "172.16.1.1"},
              {kWan, "frame-relay interface-dlci 102", "show frame-relay pvc", "102"},
              {kWan, "exit", "", "", "(config)#"},
              {kWan, "interface serial 0", "", "", "(config-if)#"},
              {kWan, "frame-relay map ip 10.1.1.2 102 broadcast", "show frame-relay map",
               "10.1.1.2\n102"},
              {kBasics, "end", "", "", "#"},
              {kWan, "show frame-relay pvc"},
              {kWan, "show frame-relay map"},
              {kWan, "show frame-relay lmi"},
              {kWan, "show interfaces serial 0"},
          }};
}

// R3, the LAN router behind S2: passwords, its one interface and a default route to R2.
LabSession StubRouter() {
  return {"R3",
          "",
          {
              {kBasics, "enable", "", "", "#"},
              {kBasics, "configure terminal", "", "", "(config)#"},
              {kBasics, "no ip domain-lookup"},
              {kBasics, "enable secret class"},
              {kBasics, "banner motd #R3-LAN-router#", "show running-config", "R3-LAN-router"},
              {kLines, "line console 0", "", "", "(config-line)#"},
              {kLines, "password conpass"},
              {kLines, "login"},
              {kLines, "exit", "", "", "(config)#"},
              {kLines, "line vty 0 4", "", "", "(config-line)#"},
              {kLines, "password remote"},
              {kLines, "login"},
              {kLines, "exit", "", "", "(config)#"},
              {kInterfaces, "int e0", "", "", "(config-if)#"},
              {kInterfaces, "interface ethernet 0", "", "", "(config-if)#"},
              {kInterfaces, "ip address 192.168.2.2 255.255.255.0", "show ip interface brief",
               "192.168.2.2"},
              {kInterfaces, "no shutdown"},
              {kInterfaces, "exit", "", "", "(config)#"},
              {kRouting, "ip route 0.0.0.0 0.0.0.0 192.168.2.1", "show ip route", "192.168.2.1"},
              {kBasics, "end", "", "", "#"},
              {kDiagnostics, "ping 192.168.2.1"},
              {kRouting, "show ip route"},
              {kSaving, "copy running-config startup-config"},
              {kSaving, "show startup-config"},
          }};
}

// Switch S2 on R2's LAN: its management address and gateway, and the server port.
LabSession SwitchManagement() {
  return {
      "S2",
      "",
      {
          {kBasics, "enable", "", "", "#"},
          {kBasics, "configure terminal", "", "", "(config)#"},
          {kBasics, "hostname S2", "show running-config", "hostname S2"},
          {kSwitches, "interface vlan 1", "", "", "(config-if)#"},
          {kSwitches, "ip address 192.168.2.3 255.255.255.0", "show interfaces vlan 1",
           "192.168.2.3"},
          {kSwitches, "no shutdown"},
          {kSwitches, "exit", "", "", "(config)#"},
          {kSwitches, "ip default-gateway 192.168.2.1"},
          {kSwitches, "interface FastEthernet0/1", "", "", "(config-if)#"},
          {kSwitches, "interface fastethernet 0/1", "", "", "(config-if)#"},
          {kSwitches, "description Server-port", "show interfaces fastethernet 0/1", "Server-port"},
          {kSwitches, "speed 100"},
          {kSwitches, "duplex full"},
          {kBasics, "end", "", "", "#"},
          {kSwitches, "show interfaces vlan 1"},
          {kDiagnostics, "ping 192.168.2.1"},
      }};
}

// Switch S2: a server port fixed at 100 Mbit/s full duplex, then erasing the configuration.
LabSession SwitchPortAndErase() {
  return {
      "S2",
      "",
      {
          {kBasics, "en", "", "", "#"},
          {kBasics, "conf t", "", "", "(config)#"},
          {kBasics, "hostname S2"},
          {kSwitches, "interface fastethernet 0/1", "", "", "(config-if)#"},
          {kSwitches, "description Server port"},
          {kSwitches, "speed 100"},
          {kSwitches, "duplex full"},
          {kSwitches, "switchport access vlan 99", "show vlan brief", "Fa0/1    99"},
          {kSwitches, "shutdown"},
          {kSwitches, "no shutdown", "show interfaces fastethernet 0/1", "FastEthernet0/1 is up"},
          {kBasics, "end", "", "", "#"},
          {kSwitches, "show interfaces fastethernet 0/1"},
          {kSaving, "copy run start"},
          {kSaving, "copy startup-config running-config"},
          {kSaving, "write memory"},
          {kSaving, "erase startup-config"},
          {kSaving, "write erase"},
          {kSaving, "reload"},
      }};
}

}  // namespace

std::vector<LabSession> IntroductoryLabSessions() {
  return {BasicRouter(),
          SerialLinkAndStaticRoutes(),
          Telnet(),
          SwitchVlans(),
          AccessLists(),
          Ppp(),
          PppPeer(),
          FrameRelay(),
          StubRouter(),
          SwitchManagement(),
          SwitchPortAndErase()};
}

}  // namespace rd::test
