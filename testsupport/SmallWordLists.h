#pragma once

#include "testsupport/TemporaryWorkingDirectory.h"

#include <utility>

// Eight word lists of one or two entries each, written into the current directory, and the
// identities they can give as a regular expression (ECMAScript and PCRE alike).
inline void WriteSmallWordLists() {
  const std::pair<const char*, const char*> lists[] = {
      {"males.txt", "Adam\r\nBrian"},
      {"females.txt", "Alice\r\nBeth"},
      {"last.txt", "Smith\r\nJones"},
      {"cities.txt", "Springfield, IL 62701\r\nDayton, OH 45402"},
      {"areas.txt", "(217)\r\n(937)"},
      {"streets.txt", "Maple Ave\r\nOak St"},
      {"domains.txt", "mail.\r\npost."},
      {"dom_exts.txt", "com\r\nnet"},
  };
  for (const auto& [name, content] : lists) {
    TemporaryWorkingDirectory::WriteFile(name, content);
  }
}

inline constexpr const char* kSmallIdentity =
    "(Adam|Brian|Alice|Beth) (Smith|Jones)\r\n[1-9][0-9]{3} (Maple Ave|Oak St)\r\n"
    "(Springfield, IL 62701|Dayton, OH 45402)\r\n\r\nPhone: \\((217|937)\\) [1-9][0-9]{2}-"
    "[1-9][0-9]{3}\r\nE-Mail: [ab](smith|jones)@(mail|post)\\.(com|net)\r\n"
    "D\\.0\\.B\\. ([1-9]|1[01])/([1-9]|1[0-9]|2[0-8])/(6[5-9]|7[0-9]|8[0-4])";
