#pragma once

#include "classlib/core/Random.h"
#include "classlib/core/StringList.h"
#include "identity/OutputBox.h"

#include <memory>
#include <string>

// Makes up one person from the word lists in the current directory and writes the seven
// lines into an output box. All seven files load before the box is touched; a failure
// (EFOpenError, EStreamError, EStringListError) leaves the lines added so far.
class IdentityGenerator {
public:
  explicit IdentityGenerator(RandomSource& random) : random_(random) {}

  void CreateMale(OutputBox& box) { Generate("males.txt", maleFirstNames_, box); }
  void CreateFemale(OutputBox& box) { Generate("females.txt", femaleFirstNames_, box); }

private:
  void Generate(const std::string& firstNameFile, std::unique_ptr<TStringList>& firstNames,
                OutputBox& box);

  RandomSource& random_;

  // The lists of the latest generation stay until the next one replaces them.
  std::unique_ptr<TStringList> maleFirstNames_;
  std::unique_ptr<TStringList> femaleFirstNames_;
  std::unique_ptr<TStringList> lastNames_;
  std::unique_ptr<TStringList> cities_;
  std::unique_ptr<TStringList> areaCodes_;
  std::unique_ptr<TStringList> streets_;
  std::unique_ptr<TStringList> domains_;
  std::unique_ptr<TStringList> extensions_;
};
