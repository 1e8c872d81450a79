#include "identity/IdentityGenerator.h"

#include "classlib/core/Text.h"

#include <initializer_list>
#include <string_view>

namespace {

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (const std::string_view part : parts) {
    joined += part;
  }
  return joined;
}

} // namespace

void IdentityGenerator::Generate(const std::string& firstNameFile,
                                 std::unique_ptr<TStringList>& firstNames, OutputBox& box) {
  for (std::unique_ptr<TStringList>* slot :
       {&firstNames, &lastNames_, &cities_, &areaCodes_, &streets_, &domains_, &extensions_}) {
    *slot = std::make_unique<TStringList>();
  }
  firstNames->LoadFromFile(firstNameFile);
  lastNames_->LoadFromFile("last.txt");
  cities_->LoadFromFile("cities.txt");
  areaCodes_->LoadFromFile("areas.txt");
  streets_->LoadFromFile("streets.txt");
  domains_->LoadFromFile("domains.txt");
  extensions_->LoadFromFile("dom_exts.txt");

  random_.Reseed();
  box.Clear();

  cityIndex_ = random_.Draw(cities_->Count());
  firstNameIndex_ = random_.Draw(firstNames->Count());
  lastNameIndex_ = random_.Draw(lastNames_->Count());

  const std::string_view firstName = firstNames->Get(firstNameIndex_);
  const std::string_view initial = FirstCharacter(firstName, SystemCodePageIsUtf8());
  const std::string_view lastName = lastNames_->Get(lastNameIndex_);
  box.AddLine(Concat({firstName, " ", lastName}));

  const std::string houseNumber = IntToStr(1000 + random_.Draw(9000));
  const std::string_view street = streets_->Get(random_.Draw(streets_->Count()));
  box.AddLine(Concat({houseNumber, " ", street}));

  box.AddLine(cities_->Get(cityIndex_));
  box.AddLine("");

  const std::string_view areaCode = areaCodes_->Get(cityIndex_);
  const std::string middleNumber = IntToStr(100 + random_.Draw(900));
  const std::string lastNumber = IntToStr(1000 + random_.Draw(9000));
  box.AddLine(Concat({"Phone: ", areaCode, " ", middleNumber, "-", lastNumber}));

  const std::string mailbox = LowerCaseAscii(initial) + LowerCaseAscii(lastName);
  const std::string_view domain = domains_->Get(random_.Draw(domains_->Count()));
  const std::string_view extension = extensions_->Get(random_.Draw(extensions_->Count()));
  box.AddLine(Concat({"E-Mail: ", mailbox, "@", domain, extension}));

  // The date goes in by replacing the whole text, so no line break follows it.
  const std::string text = box.GetText();
  const std::string month = IntToStr(1 + random_.Draw(11));
  const std::string day = IntToStr(1 + random_.Draw(28));
  const std::string year = IntToStr(65 + random_.Draw(20));
  box.SetText(Concat({text, "D.0.B. ", month, "/", day, "/", year}));
}
