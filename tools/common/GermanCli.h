#pragma once

#include <CLI/CLI.hpp>

#include <map>
#include <string>

namespace sorvane::tools {

// The parser's own words in its help texts, in German like the rest of the
// program.
inline void GermanLabels(CLI::App& app) {
  const std::map<std::string, std::string> labels = {
      {"Usage", "Aufruf"},       {"OPTIONS", "OPTIONEN"},   {"SUBCOMMAND", "BEFEHL"},
      {"SUBCOMMANDS", "BEFEHLE"}, {"Positionals", "Argumente"}, {"REQUIRED", "(nötig)"},
      {"Needs", "Braucht"},      {"Excludes", "Schließt aus"}, {"TEXT", "TEXT"},
  };
  for (const auto& [key, value] : labels) app.get_formatter()->label(key, value);
}

// A German summary of the parser's complaint; its own English detail names
// the option concerned.
inline std::string UsageMessage(const std::string& program, const CLI::ParseError& e) {
  const std::string kind = e.get_name();
  std::string summary = "Ungültiger Aufruf";
  if (kind == "RequiredError") summary = "Eine nötige Angabe fehlt";
  else if (kind == "ExtrasError") summary = "Unerwartete Angaben";
  else if (kind == "ArgumentMismatch") summary = "Falsche Zahl von Werten";
  else if (kind == "ConversionError") summary = "Ungültiger Wert";
  return program + ": " + summary + " (" + e.what() + ").\nMehr dazu zeigt \"" + program + " --help\".\n";
}

}  // namespace sorvane::tools
