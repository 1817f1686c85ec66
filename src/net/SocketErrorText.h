#pragma once

#include <string>

namespace sorvane {

// The text of a Windows Sockets error number as the component reports it:
// the number, ":", and the table's text without blanks around the colon
// ("10061:Connection refused"); "Unknown Error No. " and the number for a
// number the table does not hold.
std::string SocketErrorText(int error);

}  // namespace sorvane
