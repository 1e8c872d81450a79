// The general fake-data library people use today: N identities with the seven comparable
// fields, written as CSV lines to standard output in large blocks. Usage: node faker-csv.mjs N
import { faker } from "@faker-js/faker";

const count = Number(process.argv[2] ?? 100000);
const quote = (s) => (/[",]/.test(s) ? `"${s.replaceAll('"', '""')}"` : s);
let block = [];
for (let i = 0; i < count; i++) {
  const sex = i % 2 ? "male" : "female";
  const first = faker.person.firstName(sex);
  const last = faker.person.lastName();
  block.push(
    [
      first,
      last,
      faker.location.streetAddress(),
      `${faker.location.city()}, ${faker.location.state({ abbreviated: true })} ${faker.location.zipCode()}`,
      faker.phone.number(),
      faker.internet.email({ firstName: first, lastName: last }),
      faker.date.birthdate().toISOString().slice(0, 10),
    ]
      .map(quote)
      .join(",") + "\r\n",
  );
  if (block.length === 4096) {
    process.stdout.write(block.join(""));
    block = [];
  }
}
process.stdout.write(block.join(""));
