"""varnex-batch from outside: what it writes, read back by real consumers (Python's csv and
json, SQLite), and how it fails. Usage: batch_test.py PROGRAM [--windows] [unittest args].
Under Wine, PROGRAM is a script that runs the .exe and --windows leaves out what needs POSIX
files (FIFOs, /dev/full, permissions, signals)."""
import csv
import io
import json
import os
import re
import shutil
import sqlite3
import stat
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None
WINDOWS = False
TIMEOUT = 120

# Users' own lists: commas, quotes, apostrophes, blanks at the ends, non-ASCII UTF-8, a backslash.
TRICKY_LISTS = {
    "males.txt": "Adam\r\n\u00c9mile\r\n Carl\r\nJos\u00e9 \r\nO'Brien\r\n",
    "females.txt": "Alice\r\nZo\u00eb\r\n\u00c5sa\r\n\"Kit\"\r\n",
    "last.txt": "Smith\r\nM\u00fcller\r\nSmith, Jr.\r\nO'Neil\r\n van Dyke \r\n\"Q\"\r\n",
    "cities.txt": "Springfield, IL 62701\r\nDayton, OH 45402\r\nS\u00e3o Paulo, SP\r\n",
    "areas.txt": "(217)\r\n(937)\r\n(011)\r\n",
    "streets.txt": "Maple Ave\r\nBack\\slash St\r\nRue de l'\u00c9glise\r\nOak St \r\n",
    "domains.txt": "mail.\r\n\"odd\".\r\nweb.\r\n",
    "dom_exts.txt": "com\r\nnet\r\norg\r\n",
}

FIELDS = ["sex", "first_name", "last_name", "street_address", "city", "area_code", "phone",
          "email", "birth_date", "birth_date_us"]


def write_lists(folder, lists):
    os.makedirs(folder, exist_ok=True)
    for name, text in lists.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text.encode("utf-8") if isinstance(text, str) else text)


def native(path):
    """A path as the program sees it: under Wine, the Unix root is drive Z:."""
    return "Z:" + path if WINDOWS else path


def joined(folder, name):
    """A word list's name as the program reports it."""
    return native(folder) + ("\\" if WINDOWS else "/") + name


def run(*args, cwd=None, stdout=subprocess.PIPE):
    return subprocess.run([PROGRAM, *args], cwd=cwd, stdout=stdout, stderr=subprocess.PIPE,
                          timeout=TIMEOUT)


class Fixture(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="varnex-batch-test-")
        self.lists = os.path.join(self.folder, "lists")
        write_lists(self.lists, TRICKY_LISTS)
        if WINDOWS:
            # In Windows' single-byte code page the e-mail initial is one byte, as the window
            # takes it, so only the UTF-8 formats keep a non-ASCII initial whole.
            write_lists(self.lists, {"males.txt": "Adam\r\nEmile\r\n Carl\r\nJos\u00e9 \r\n",
                                     "females.txt": "Alice\r\nZo\u00eb\r\n\"Kit\"\r\n"})

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def batch(self, *args, expect=0):
        result = run("-d", native(self.lists), *args)
        self.assertEqual(result.returncode, expect, result.stderr.decode(errors="replace"))
        return result.stdout

    def reference(self, count, seed, sex="mixed"):
        """The rows as JSON Lines, checked against the window's text of the same run."""
        rows = [json.loads(line) for line in
                self.batch("-n", str(count), "--seed", seed, "--sex", sex, "-f", "jsonl")
                .decode("utf-8").splitlines()]
        text = self.batch("-n", str(count), "--seed", seed, "--sex", sex, "-f", "text")
        lines = text.decode("utf-8").split("\r\n")
        identities = [lines[i:i + 7] for i in range(0, len(lines), 8)]
        self.assertTrue(all(line == "" for line in lines[7::8]))
        self.assertEqual(len(rows), count)
        self.assertEqual(len(identities), count)
        for row, identity in zip(rows, identities):
            self.assertEqual(list(row), FIELDS)
            self.assertEqual(identity, [
                row["first_name"] + " " + row["last_name"], row["street_address"], row["city"],
                "", "Phone: " + row["phone"], "E-Mail: " + row["email"],
                "D.0.B. " + row["birth_date_us"]])
            self.assertTrue(row["phone"].startswith(row["area_code"] + " "))
            month, day, year = row["birth_date_us"].split("/")
            self.assertEqual(row["birth_date"], "19%s-%02d-%02d" % (year, int(month), int(day)))
        return rows


class BatchTest(Fixture):
    def test_every_format_reads_back_the_same_rows(self):
        rows = self.reference(600, "11")
        values = [[row[f] for f in FIELDS] for row in rows]
        common = ("-n", "600", "--seed", "11")

        raw_csv = self.batch(*common, "-f", "csv")
        self.assertTrue(raw_csv.endswith(b"\r\n"))
        self.assertNotIn(b"\n", raw_csv.replace(b"\r\n", b""))
        table = list(csv.reader(io.StringIO(raw_csv.decode("utf-8"), newline="")))
        self.assertEqual(table, [FIELDS] + values)
        def quoted(field):  # only when it holds a comma or a quote or has blanks at its ends
            needs = any(c in field for c in ',"') or field != field.strip(" \t")
            return '"%s"' % field.replace('"', '""') if needs else field
        self.assertEqual(raw_csv.decode("utf-8").split("\r\n")[1:-1],
                         [",".join(quoted(f) for f in row) for row in values])

        tsv = self.batch(*common, "-f", "tsv", "--no-header").decode("utf-8")
        self.assertEqual([line.split("\t") for line in tsv.split("\n")[:-1]], values)

        array = json.loads(self.batch(*common, "-f", "json").decode("utf-8"))
        self.assertEqual(array, rows)

        database = os.path.join(self.folder, "people.db")
        sql = os.path.join(self.folder, "people.sql")
        self.batch(*common, "-f", "sql", "--table", "my \"people\"", "-o", native(sql))
        with open(sql, "rb") as statements:
            subprocess.run(["sqlite3", database], stdin=statements, check=True, timeout=TIMEOUT)
        csv_file = os.path.join(self.folder, "people.csv")
        with open(csv_file, "wb") as f:
            f.write(raw_csv)
        subprocess.run(["sqlite3", database, ".import --csv %s imported" % csv_file],
                       check=True, timeout=TIMEOUT)
        with sqlite3.connect(database) as db:
            self.assertEqual([list(r) for r in db.execute(
                'SELECT * FROM "my ""people""" ORDER BY rowid')], values)
            self.assertEqual([list(r) for r in db.execute(
                "SELECT * FROM imported ORDER BY rowid")], values)

    def test_fields_choose_and_order_the_columns(self):
        rows = self.reference(50, "4")
        out = self.batch("-n", "50", "--seed", "4", "--fields", "email,sex,first_name")
        table = list(csv.reader(io.StringIO(out.decode("utf-8"), newline="")))
        self.assertEqual(table, [["email", "sex", "first_name"]] +
                         [[r["email"], r["sex"], r["first_name"]] for r in rows])

    def test_one_male_identity_is_the_windows_text(self):
        out = self.batch("--seed", "123", "-n", "1", "--sex", "male", "-f", "text")
        lines = out.decode("utf-8").split("\r\n")
        self.assertEqual(len(lines), 7)
        self.assertRegex(lines[6], r"^D\.0\.B\. ([1-9]|1[01])/([1-9]|1\d|2[0-8])/(6[5-9]|7\d|8[0-4])$")
        self.assertRegex(lines[4], r"^Phone: \(\d{3}\) [1-9]\d{2}-[1-9]\d{3}$")

    def test_runs_repeat_exactly_and_do_not_overlap(self):
        big = ("-n", "150000", "--seed", "77")
        self.assertEqual(self.batch(*big, "-j", "1"), self.batch(*big, "-j", "2"))
        self.assertEqual(self.batch(*big, "-f", "sql", "-j", "1"),
                         self.batch(*big, "-f", "sql", "-j", "3"))
        short = self.batch("-n", "10", "--seed", "77", "-f", "csv")
        self.assertTrue(self.batch(*big).startswith(short))

        runs = [set(self.batch("-n", "300", "--seed", s, "--no-header").split(b"\r\n")[:-1])
                for s in ("1", "2", "3")]
        self.assertFalse(runs[0] & runs[1] or runs[1] & runs[2] or runs[0] & runs[2])

        first = run("-d", native(self.lists), "-n", "5")
        seed = re.search(rb"seed (\d+)", first.stderr).group(1).decode()
        self.assertEqual(self.batch("-n", "5", "--seed", seed), first.stdout)

    def test_mixed_runs_are_about_half_each(self):
        out = self.batch("-n", "20000", "--seed", "5", "--fields", "sex", "--no-header")
        males = out.split(b"\r\n").count(b"male")
        self.assertLess(abs(males - 10000), 400)
        self.assertEqual(self.batch("-n", "3", "--sex", "female", "--fields", "sex",
                                    "--no-header"), b"female\r\n" * 3)

    def test_bad_input_fails_clearly_and_writes_nothing(self):
        not_utf8 = b"Smith\r\nM\xfcller\r\n"
        cases = [
            # (what to change in the lists, arguments, exit code, message)
            ({"males.txt": None}, [], 1, "Cannot open file %s" % joined(self.lists, "males.txt")),
            ({"last.txt": ""}, [], 1, "last.txt has no entries"),
            ({"areas.txt": "(217)\r\n(937)"}, [], 1,
             "areas.txt has 2 area codes but %s has 3 cities" % joined(self.lists, "cities.txt")),
            ({"last.txt": not_utf8}, ["-f", "json"], 1, "last.txt, line 2, byte 2 (0xFC): not UTF-8"),
            ({"last.txt": not_utf8}, ["-f", "jsonl"], 1, "line 2, byte 2 (0xFC)"),
            ({"last.txt": not_utf8}, ["-f", "sql"], 1, "line 2, byte 2 (0xFC)"),
            ({"streets.txt": "Oak St\r\nElm\tRd"}, ["-f", "tsv"], 1, "streets.txt, line 2: holds a tab"),
            ({}, ["-n", "ten"], 2, "--count: 'ten' is not a whole number"),
            ({}, ["-n", "-1"], 2, "--count"),
            ({}, ["--seed", "18446744073709551616"], 2, "--seed"),
            ({}, ["-f", "xml"], 2, "--format"),
            ({}, ["--sex", "other"], 2, "--sex"),
            ({}, ["--fields", "name"], 2, "unknown field 'name'"),
            ({}, ["--fields", "sex,sex"], 2, "'sex' is named twice"),
            ({}, ["-j", "0"], 2, "--threads"),
            ({}, ["--table", "t"], 2, "only the sql format"),
            ({}, ["-f", "text", "--fields", "sex"], 2, "--fields"),
            ({}, ["--frobnicate"], 2, "frobnicate"),
        ]
        target = os.path.join(self.folder, "out.csv")
        for change, args, code, message in cases:
            with self.subTest(args=args, change=list(change)):
                shutil.rmtree(self.lists)
                write_lists(self.lists, TRICKY_LISTS)
                for name, text in change.items():
                    if text is None:
                        os.remove(os.path.join(self.lists, name))
                    else:
                        write_lists(self.lists, {name: text})
                with open(target, "wb") as f:
                    f.write(b"old content")
                result = run("-d", native(self.lists), *args, "-o", native(target))
                stderr = result.stderr.decode(errors="replace")
                self.assertEqual(result.returncode, code, stderr)
                self.assertIn(message, stderr)
                if code == 2:
                    self.assertIn("Run 'varnex-batch --help'", stderr)
                self.assertEqual(result.stdout, b"")
                with open(target, "rb") as f:
                    self.assertEqual(f.read(), b"old content")
                self.assertEqual(sorted(os.listdir(self.folder)), ["lists", "out.csv"])

    def test_latin1_lists_pass_through_csv_and_text_unchanged(self):
        write_lists(self.lists, {"last.txt": b"M\xfcller\r\n"})
        out = self.batch("-n", "2", "--fields", "last_name", "--no-header")
        self.assertEqual(out, b"M\xfcller\r\n" * 2)

    def test_output_file_is_replaced_only_by_a_finished_run(self):
        target = os.path.join(self.folder, "people.csv")
        self.batch("-n", "100", "--seed", "1", "-o", native(target))
        with open(target, "rb") as f:
            self.assertEqual(f.read(), self.batch("-n", "100", "--seed", "1"))
        self.batch("-n", "3", "--seed", "2", "-f", "jsonl", "-o", native(target))
        with open(target, "rb") as f:
            self.assertEqual(len(f.read().splitlines()), 3)
        self.batch("-n", "1000", "-o", "NUL" if WINDOWS else os.devnull)
        self.assertEqual(sorted(os.listdir(self.folder)), ["lists", "people.csv"])
        folder = run("-d", native(self.lists), "-o", native(self.lists))
        self.assertEqual(folder.returncode, 1)
        self.assertIn("it is a folder", folder.stderr.decode())


@unittest.skipIf(WINDOWS, "POSIX files and signals")
class PosixOutputTest(Fixture):
    def test_closed_pipe_ends_the_run_quietly_and_at_once(self):
        started = time.monotonic()
        result = subprocess.run(
            ["bash", "-c", '"$0" -d "$1" -n 1000000000 | head -1; echo "${PIPESTATUS[0]}" >&2',
             PROGRAM, self.lists], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
            timeout=TIMEOUT)
        self.assertLess(time.monotonic() - started, 10)
        self.assertEqual(result.stdout.count(b"\n"), 1)
        self.assertEqual(result.stderr.decode().splitlines()[-1], "0")
        self.assertNotIn(b"varnex-batch: c", result.stderr)  # no failure message

    def test_full_disk_is_an_output_failure(self):
        with open("/dev/full", "wb") as full:
            result = run("-d", self.lists, "-n", "100000", stdout=full)
        self.assertEqual(result.returncode, 1)
        self.assertIn("cannot write to standard output: No space left on device",
                      result.stderr.decode())

    def test_interrupted_run_leaves_the_old_file_and_no_temporary(self):
        target = os.path.join(self.folder, "people.csv")
        with open(target, "wb") as f:
            f.write(b"old content")
        os.chmod(target, 0o640)
        process = subprocess.Popen([PROGRAM, "-d", self.lists, "-n", "1000000000", "-o", target],
                                   stderr=subprocess.DEVNULL)
        time.sleep(1)
        process.terminate()
        process.wait(timeout=TIMEOUT)
        with open(target, "rb") as f:
            self.assertEqual(f.read(), b"old content")
        self.assertEqual(sorted(os.listdir(self.folder)), ["lists", "people.csv"])
        self.batch("-n", "1", "-o", target)
        self.assertEqual(stat.S_IMODE(os.stat(target).st_mode), 0o640)

    def test_links_and_fifos_are_written_not_replaced(self):
        real = os.path.join(self.folder, "real.csv")
        link = os.path.join(self.folder, "link.csv")
        with open(real, "wb") as f:
            f.write(b"old")
        os.symlink(real, link)
        self.batch("-n", "2", "--seed", "1", "-o", link)
        self.assertTrue(os.path.islink(link))
        with open(real, "rb") as f:
            self.assertEqual(f.read(), self.batch("-n", "2", "--seed", "1"))
        fifo = os.path.join(self.folder, "fifo")
        os.mkfifo(fifo)
        writer = subprocess.Popen([PROGRAM, "-d", self.lists, "-n", "3", "--seed", "1",
                                   "-o", fifo], stderr=subprocess.DEVNULL)
        with open(fifo, "rb") as f:
            received = f.read()
        self.assertEqual(writer.wait(timeout=TIMEOUT), 0)
        self.assertEqual(received, self.batch("-n", "3", "--seed", "1"))
        self.assertTrue(stat.S_ISFIFO(os.stat(fifo).st_mode))

    def test_fifo_as_a_word_list_fails_without_hanging(self):
        os.remove(os.path.join(self.lists, "last.txt"))
        os.mkfifo(os.path.join(self.lists, "last.txt"))
        result = run("-d", self.lists)
        self.assertEqual(result.returncode, 1)
        self.assertIn("Cannot open file", result.stderr.decode())


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv[1])
    WINDOWS = "--windows" in sys.argv
    argv = [sys.argv[0]] + [a for a in sys.argv[2:] if a != "--windows"]
    if WINDOWS:
        del PosixOutputTest
    unittest.main(argv=argv, verbosity=1)
