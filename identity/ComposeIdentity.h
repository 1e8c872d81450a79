#pragma once

#include "classlib/core/StringList.h"
#include "classlib/core/Text.h"

#include <cstdint>
#include <string_view>

// The seven lists one identity is drawn from; the first names are the male or the female list.
struct IdentityLists {
  const TStringList& firstNames;
  const TStringList& lastNames;
  const TStringList& cities;
  const TStringList& areaCodes;
  const TStringList& streets;
  const TStringList& domains;
  const TStringList& extensions;
};

// Makes the twelve draws of one identity in their fixed order and hands each line's parts to
// the writer as soon as they are taken, so that a failing access (EStringListError) leaves
// exactly the lines before it written. The caller seeds the random source. The window's memo
// and the bulk program's records are both written through this one routine.
//
// Writer has: Name(first, last), Street(houseNumber, street), City(city),
// Phone(areaCode, middle, last), Email(initial, lastName, domain, extension), BirthDate(m, d, yy).
// City() stands for line 3 and the empty line 4: the area code is taken after both. Email()
// writes the initial and the last name lower-cased (A to Z only, as LowerCaseAscii does) in
// front of the at sign: the writer does it where the bytes go, with no string in between.
template <class Random, class Writer>
void ComposeIdentity(const IdentityLists& lists, Random& random, bool utf8, Writer& writer) {
  const std::int32_t cityIndex = random.Draw(lists.cities.Count());
  const std::int32_t firstNameIndex = random.Draw(lists.firstNames.Count());
  const std::int32_t lastNameIndex = random.Draw(lists.lastNames.Count());

  const std::string_view firstName = lists.firstNames.Get(firstNameIndex);
  const std::string_view initial = FirstCharacter(firstName, utf8);
  const std::string_view lastName = lists.lastNames.Get(lastNameIndex);
  writer.Name(firstName, lastName);

  const std::int32_t houseNumber = 1000 + random.Draw(9000);
  writer.Street(houseNumber, lists.streets.Get(random.Draw(lists.streets.Count())));

  writer.City(lists.cities.Get(cityIndex));

  const std::string_view areaCode = lists.areaCodes.Get(cityIndex);
  const std::int32_t middleNumber = 100 + random.Draw(900);
  const std::int32_t lastNumber = 1000 + random.Draw(9000);
  writer.Phone(areaCode, middleNumber, lastNumber);

  const std::string_view domain = lists.domains.Get(random.Draw(lists.domains.Count()));
  const std::string_view extension = lists.extensions.Get(random.Draw(lists.extensions.Count()));
  writer.Email(initial, lastName, domain, extension);

  const std::int32_t month = 1 + random.Draw(11);
  const std::int32_t day = 1 + random.Draw(28);
  const std::int32_t year = 65 + random.Draw(20);
  writer.BirthDate(month, day, year);
}
