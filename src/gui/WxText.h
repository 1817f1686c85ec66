#pragma once

#include <wx/string.h>

#include <string>

namespace sorvane {

// The program's texts are UTF-8, while wx interprets a narrow string by the
// C library's locale, which stays "C": "Größe" would silently become empty.
// Every text crosses into wx through these two.
inline wxString Wx(const std::string& utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }
inline std::string Utf8(const wxString& text) { return text.utf8_string(); }

}  // namespace sorvane
