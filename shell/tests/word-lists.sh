# WriteWordLists: eight small word lists in the current folder, for the end-to-end tests.
WriteWordLists() {
  printf 'Adam\r\nBrian' >males.txt
  printf 'Alice' >females.txt
  printf 'Smith\r\nJones' >last.txt
  printf 'Springfield, IL 62701\r\nDayton, OH 45402' >cities.txt
  printf '(217)\r\n(937)' >areas.txt
  printf 'Maple Ave\r\nOak St' >streets.txt
  printf 'mail.\r\npost.' >domains.txt
  printf 'com\r\nnet' >dom_exts.txt
}
