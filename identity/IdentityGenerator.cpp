#include "identity/IdentityGenerator.h"

#include "identity/ComposeIdentity.h"

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

// Writes an identity into an output box line by line, as the window shows it.
class BoxWriter {
public:
  explicit BoxWriter(OutputBox& box) : box_(box) {}

  void Name(std::string_view first, std::string_view last) {
    box_.AddLine(Concat({first, " ", last}));
  }
  void Street(std::int32_t houseNumber, std::string_view street) {
    box_.AddLine(Concat({IntToStr(houseNumber), " ", street}));
  }
  void City(std::string_view city) {
    box_.AddLine(city);
    box_.AddLine("");
  }
  void Phone(std::string_view areaCode, std::int32_t middle, std::int32_t last) {
    box_.AddLine(Concat({"Phone: ", areaCode, " ", IntToStr(middle), "-", IntToStr(last)}));
  }
  void Email(std::string_view initial, std::string_view lastName, std::string_view domain,
             std::string_view extension) {
    const std::string mailbox = LowerCaseAscii(initial) + LowerCaseAscii(lastName);
    box_.AddLine(Concat({"E-Mail: ", mailbox, "@", domain, extension}));
  }
  // The date goes in by replacing the whole text, so no line break follows it.
  void BirthDate(std::int32_t month, std::int32_t day, std::int32_t year) {
    const std::string text = box_.GetText();
    box_.SetText(
        Concat({text, "D.0.B. ", IntToStr(month), "/", IntToStr(day), "/", IntToStr(year)}));
  }

private:
  OutputBox& box_;
};

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

  BoxWriter writer(box);
  ComposeIdentity(IdentityLists{*firstNames, *lastNames_, *cities_, *areaCodes_, *streets_,
                                *domains_, *extensions_},
                  random_, SystemCodePageIsUtf8(), writer);
}
