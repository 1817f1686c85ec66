#pragma once

#include <string>

namespace sorvane {

// The example update server's public key (the build's default). Its secret
// half lies beside the server in the repository for the demo and the tests
// to sign with, so an archive signed with it proves nothing about who made
// it.
std::string ExampleUpdateKey();

namespace texts {
// Why a program built with the example key checks no other server; %s is
// the update host.
inline constexpr char kExampleKeyRemoteHost[] =
    "Dieses Programm wurde mit dem Schlüssel des Beispielservers erstellt, den jeder kennt. Es nimmt deshalb "
    "Updates nur von einem Server auf diesem Rechner an, nicht von %s.";
}  // namespace texts

// Why a program trusting publicKey must not take updates from host (a host
// name or address, optionally ":port"), as a German sentence; empty when it
// may. A program built with the example key takes them only from the
// loopback interface: the demo and the tests run their server there, and
// nobody on the network path can answer in its place.
std::string RefuseUpdateHost(const std::string& publicKey, const std::string& host);

}  // namespace sorvane
