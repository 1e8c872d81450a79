#include "batch/RecordText.h"

#include <charconv>

namespace {

// The generator's numbers have one to four digits; those are written without a library call.
void AppendNumber(std::int32_t value, RecordBuffer& out) {
  if (value < 0 || value > 9999) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out += std::string_view(digits, static_cast<std::size_t>(end - digits));
    return;
  }
  if (value >= 1000) {
    out += static_cast<char>('0' + value / 1000);
  }
  if (value >= 100) {
    out += static_cast<char>('0' + value / 100 % 10);
  }
  if (value >= 10) {
    out += static_cast<char>('0' + value / 10 % 10);
  }
  out += static_cast<char>('0' + value % 10);
}

void AppendTwoDigits(std::int32_t value, RecordBuffer& out) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

void AppendStreetAddress(const Record& r, RecordBuffer& out) {
  AppendNumber(r.houseNumber, out);
  out += ' ';
  out += r.street;
}

void AppendPhone(const Record& r, RecordBuffer& out) {
  out += r.areaCode;
  out += ' ';
  AppendNumber(r.middleNumber, out);
  out += '-';
  AppendNumber(r.lastNumber, out);
}

void AppendEmail(const Record& r, RecordBuffer& out) {
  const std::size_t mailbox = out.Size();
  out += r.initial;
  out += r.lastName;
  out.LowerCaseAsciiFrom(mailbox);
  out += '@';
  out += r.domain;
  out += r.extension;
}

void AppendUsDate(const Record& r, RecordBuffer& out) {
  AppendNumber(r.month, out);
  out += '/';
  AppendNumber(r.day, out);
  out += '/';
  AppendNumber(r.year, out);
}

} // namespace

void AppendColumnValue(Column column, const Record& r, RecordBuffer& out) {
  switch (column) {
  case Column::Sex:
    out += r.male ? "male" : "female";
    break;
  case Column::FirstName:
    out += r.firstName;
    break;
  case Column::LastName:
    out += r.lastName;
    break;
  case Column::StreetAddress:
    AppendStreetAddress(r, out);
    break;
  case Column::City:
    out += r.city;
    break;
  case Column::AreaCode:
    out += r.areaCode;
    break;
  case Column::Phone:
    AppendPhone(r, out);
    break;
  case Column::Email:
    AppendEmail(r, out);
    break;
  case Column::BirthDate:
    out += "19";
    AppendTwoDigits(r.year, out);
    out += '-';
    AppendTwoDigits(r.month, out);
    out += '-';
    AppendTwoDigits(r.day, out);
    break;
  case Column::BirthDateUs:
    AppendUsDate(r, out);
    break;
  }
}

void AppendWindowText(const Record& r, RecordBuffer& out) {
  out += r.firstName;
  out += ' ';
  out += r.lastName;
  out += "\r\n";
  AppendStreetAddress(r, out);
  out += "\r\n";
  out += r.city;
  out += "\r\n\r\nPhone: ";
  AppendPhone(r, out);
  out += "\r\nE-Mail: ";
  AppendEmail(r, out);
  out += "\r\nD.0.B. ";
  AppendUsDate(r, out);
}
