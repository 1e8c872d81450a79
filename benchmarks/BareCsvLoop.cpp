// The floor varnex-batch is measured against: the same twelve draws and one CSV line per
// identity, from lists held in memory, with no checks of any kind. Usage: bare_csv_loop N
// in a folder of word lists; writes the CSV to standard output.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadLines(const char* name) {
  std::ifstream in(name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return lines;
}

std::uint64_t state = 0x853c49e6748fea9bULL;

std::uint32_t Next() {
  const std::uint64_t old = state;
  state = old * 6364136223846793005ULL + 0xda3e39cb94b95bdbULL;
  const auto x = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto r = static_cast<std::uint32_t>(old >> 59u);
  return (x >> r) | (x << ((32u - r) & 31u));
}

std::uint32_t Draw(std::size_t bound) {
  return static_cast<std::uint32_t>((std::uint64_t{Next()} * bound) >> 32u);
}

char* Put(char* p, const std::string& s) {
  std::memcpy(p, s.data(), s.size());
  return p + s.size();
}

char* PutNumber(char* p, std::uint32_t n) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  while (count > 0) {
    *p++ = digits[--count];
  }
  return p;
}

} // namespace

int main(int argc, char** argv) {
  const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  const auto first = ReadLines("males.txt"), last = ReadLines("last.txt"),
             cities = ReadLines("cities.txt"), areas = ReadLines("areas.txt"),
             streets = ReadLines("streets.txt"), domains = ReadLines("domains.txt"),
             exts = ReadLines("dom_exts.txt");
  std::vector<char> buffer(1 << 20);
  char* p = buffer.data();
  for (std::uint64_t i = 0; i < count; ++i) {
    const auto city = Draw(cities.size()), fn = Draw(first.size()), ln = Draw(last.size());
    const auto house = 1000 + Draw(9000), street = Draw(streets.size());
    const auto middle = 100 + Draw(900), lastNumber = 1000 + Draw(9000);
    const auto domain = Draw(domains.size()), ext = Draw(exts.size());
    const auto month = 1 + Draw(11), day = 1 + Draw(28), year = 65 + Draw(20);
    p = Put(Put(p, "male,"), first[fn]);
    *p++ = ',';
    p = Put(p, last[ln]);
    *p++ = ',';
    p = PutNumber(p, house);
    *p++ = ' ';
    p = Put(p, streets[street]);
    p = Put(Put(Put(p, ",\""), cities[city]), "\",");
    p = Put(p, areas[city]);
    *p++ = ',';
    p = Put(p, areas[city]);
    *p++ = ' ';
    p = PutNumber(p, middle);
    *p++ = '-';
    p = PutNumber(p, lastNumber);
    *p++ = ',';
    *p++ = static_cast<char>(first[fn][0] | 0x20);
    for (const char c : last[ln]) {
      *p++ = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    *p++ = '@';
    p = Put(Put(p, domains[domain]), exts[ext]);
    p = Put(p, ",19");
    *p++ = static_cast<char>('0' + year / 10);
    *p++ = static_cast<char>('0' + year % 10);
    *p++ = '-';
    *p++ = static_cast<char>('0' + month / 10);
    *p++ = static_cast<char>('0' + month % 10);
    *p++ = '-';
    *p++ = static_cast<char>('0' + day / 10);
    *p++ = static_cast<char>('0' + day % 10);
    *p++ = ',';
    p = PutNumber(p, month);
    *p++ = '/';
    p = PutNumber(p, day);
    *p++ = '/';
    p = PutNumber(p, year);
    *p++ = '\r';
    *p++ = '\n';
    if (p - buffer.data() > static_cast<std::ptrdiff_t>(buffer.size()) - 4096) {
      std::fwrite(buffer.data(), 1, static_cast<std::size_t>(p - buffer.data()), stdout);
      p = buffer.data();
    }
  }
  std::fwrite(buffer.data(), 1, static_cast<std::size_t>(p - buffer.data()), stdout);
  return 0;
}
