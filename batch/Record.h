#pragma once

#include <cstdint>
#include <string_view>

// The parts of one identity as the generator hands them out; the word-list parts point into
// the loaded lists. Serves as the generator's writer. The e-mail's mailbox is the initial and
// the last name, lower-cased when it is written.
struct Record {
  bool male = true;
  std::string_view firstName;
  std::string_view lastName;
  std::int32_t houseNumber = 0;
  std::string_view street;
  std::string_view city;
  std::string_view areaCode;
  std::int32_t middleNumber = 0;
  std::int32_t lastNumber = 0;
  std::string_view initial;
  std::string_view domain;
  std::string_view extension;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t year = 0;

  void Name(std::string_view first, std::string_view last) {
    firstName = first;
    lastName = last;
  }
  void Street(std::int32_t number, std::string_view name) {
    houseNumber = number;
    street = name;
  }
  void City(std::string_view line) { city = line; }
  void Phone(std::string_view area, std::int32_t middle, std::int32_t last) {
    areaCode = area;
    middleNumber = middle;
    lastNumber = last;
  }
  void Email(std::string_view first, std::string_view last, std::string_view domainPart,
             std::string_view extensionPart) {
    initial = first;
    lastName = last;
    domain = domainPart;
    extension = extensionPart;
  }
  void BirthDate(std::int32_t m, std::int32_t d, std::int32_t yy) {
    month = m;
    day = d;
    year = yy;
  }
};
