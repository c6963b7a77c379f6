// What students type in introductory router and switch labs, session by session on the shipped
// devices: basic router set-up, a serial link with static routes and telnet, switch VLANs and
// ports, access lists, PPP and Frame Relay. Full and abbreviated forms, written the way lab
// guides print them and the way students shorten them, the unaccepted ones included.
#pragma once

#include <string>
#include <vector>

namespace rd::test {

// One typed line. When `show` is set, that show command, typed in privileged mode when the
// session ends, must print `reflects`. When `mode` is set, the line must leave the console in
// that mode. `answer` is typed when the line asks for a password.
struct LabLine {
  std::string area;
  std::string line;
  std::string show = {};
  std::string reflects = {};
  std::string mode = {};
  std::string answer = {};
};

// A console session on one device: chosen in the network diagram, started with Enter (and the
// console password `login`, when the device has one), then the lines.
struct LabSession {
  std::string device;
  std::string login;
  std::vector<LabLine> lines;
};

std::vector<LabSession> IntroductoryLabSessions();

}  // namespace rd::test
