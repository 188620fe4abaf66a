#!/usr/bin/env python3
# Checks a Quorvan draw record (.qdraw) without Quorvan:
#     python3 verify-draw.py FILE [A]
# Status 0: verified; 1: altered, or something does not recompute (for an
# announced draw, also an A other than the one given); 2: not a readable record.
import hashlib, json, re, sys, unicodedata
from datetime import datetime

class Unreadable(Exception): pass

def load_strictly(data):
    """The record's JSON, refused unless written in its one spelling."""
    if data.startswith(b"\xef\xbb\xbf"):
        raise Unreadable("it begins with a byte order mark")
    def whole(spelling):
        if spelling == "-0" or abs(int(spelling)) > 2**53 - 1:
            raise Unreadable("the number %s is not a plain whole number" % spelling)
        return int(spelling)
    def not_whole(spelling):
        raise Unreadable("the number %s is not written as a whole number" % spelling)
    def no_key_twice(pairs):
        if len({key for key, _ in pairs}) != len(pairs):
            raise Unreadable("a key appears twice in one object")
        return dict(pairs)
    try:  # strict UTF-8 and json's strict mode refuse raw control characters
        value = json.loads(data.decode("utf-8"), object_pairs_hook=no_key_twice,
                           parse_int=whole, parse_float=not_whole, parse_constant=not_whole)
    except (ValueError, RecursionError) as error:
        raise Unreadable("it is not JSON text: %s" % error)
    def texts(item):
        if isinstance(item, dict):
            for key, inner in item.items():
                yield key
                yield from texts(inner)
        elif isinstance(item, list):
            for inner in item:
                yield from texts(inner)
        elif isinstance(item, str):
            yield item
    for text in texts(value):
        try:
            text.encode("utf-8")
        except UnicodeEncodeError:
            raise Unreadable("a text holds half a surrogate pair")
    return value

def canonical(value):
    """RFC 8785 for whole numbers: keys by UTF-16 code units, no blanks."""
    if isinstance(value, dict):
        keys = sorted(value, key=lambda key: key.encode("utf-16-be"))
        return "{" + ",".join(canonical(key) + ":" + canonical(value[key]) for key in keys) + "}"
    if isinstance(value, list):
        return "[" + ",".join(canonical(item) for item in value) + "]"
    return json.dumps(value, ensure_ascii=False)

class Generator:
    """The program's generator: state * 134775813 + 1 modulo 2^32."""
    def __init__(self, seed): self.state = seed
    def below(self, bound):
        self.state = (self.state * 134775813 + 1) % 2**32
        return self.state * bound >> 32

def ladder(rows, seed, cross_lines):
    grid = [[0] * 44 for _ in range(rows + 2)]
    random = Generator(seed)
    for line in range(1, rows):
        for _ in range(max(random.below(17), 3)):
            column = random.below(42) + 1
            if cross_lines:
                grid[line][column] = {0: 1, 2: 9}.get(grid[line][column], grid[line][column])
                grid[line + 1][column] = 2
            elif grid[line][column] == 0:
                grid[line][column], grid[line + 1][column] = 1, 2
    return grid

def end_of_path(grid, line):
    for column in range(43, -1, -1):
        if grid[line][column] == 1:
            line += 1
            while grid[line][column] != 2: line += 1
        elif grid[line][column] == 2:
            line -= 1
            while grid[line][column] != 1: line -= 1
    return line

def program_shuffle(rows, seed):
    random, order = Generator(seed), []
    while len(order) < rows:
        row = random.below(rows) + 1
        if row not in order: order.append(row)
    return order

def check(record):
    """Unreadable for what Quorvan cannot have saved; the differences otherwise."""
    def need(ok, what):
        if not ok: raise Unreadable(what)
    def whole(value, low, high, what):
        need(type(value) is int and low <= value <= high, what + " should be a whole number from %d to %d" % (low, high))
        return value
    def flag(value, what): need(type(value) is bool, what + " should be true or false")
    def name(value, what):
        need(type(value) is str and unicodedata.is_normalized("NFC", value), what + " should be a text in NFC")
    def time(value, what):
        ok = type(value) is str and re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d+)?([+-]\d\d:\d\d|Z)", value)
        try:
            need(ok and datetime.fromisoformat(value.replace("Z", "+00:00")), what + " should be a time")
        except ValueError:
            raise Unreadable(what + " should be a time")
    def keys(item, allowed, what):
        need(type(item) is dict and set(item) <= set(allowed), what + " has an entry a record has not")
    keys(record, ["format", "formatVersion", "program", "programVersion", "time", "rows", "crossLines", "fairDraw",
                  "seed", "members", "hits", "history", "ladder", "results", "sha256"], "the record")
    need(record.get("program") == "Quorvan", "program should be Quorvan")
    need(type(record.get("programVersion")) is str, "programVersion should be a text")
    time(record.get("time"), "time")
    rows = whole(record.get("rows"), 2, 480, "rows")
    flag(record.get("crossLines"), "crossLines"); flag(record.get("fairDraw"), "fairDraw")
    whole(record.get("seed"), 0, 2**32 - 1, "seed")
    for column in ("members", "hits"):
        need(type(record.get(column)) is list and len(record[column]) == rows, column + " should have rows entries")
        for index, text in enumerate(record[column]): name(text, "%s[%d]" % (column, index))
    history = record.get("history")
    need(type(history) is list, "history should be a list")
    setups = [index for index, event in enumerate(history) if type(event) is dict and event.get("event") == "setup"]
    differences, hits_loaded, last_build = [], False, None
    for index, event in enumerate(history):
        what = "history[%d]" % index
        need(type(event) is dict, what + " should be an object")
        kind = event.get("event")
        if kind == "setup":
            keys(event, ["event", "rows"], what); whole(event.get("rows"), 1, 480, what + ".rows")
        elif kind == "load":
            keys(event, ["event", "column", "count"], what)
            need(event.get("column") in ("members", "hits"), what + ".column")
            whole(event.get("count"), 0, 480, what + ".count")
        elif kind == "shuffle":
            fair = event.get("kind") == "fair"
            need(event.get("kind") in ("fair", "program") and event.get("column") in ("members", "hits"), what)
            keys(event, ["event", "column", "kind", "order"] + ([] if fair else ["seed"]), what)
            order = event.get("order")
            size = rows if not setups or index > setups[-1] else len(order) if type(order) is list else 0
            need(type(order) is list and 1 <= size <= 480 and sorted(order) == list(range(1, size + 1))
                 and all(type(row) is int for row in order), what + ".order")
            if not fair and program_shuffle(size, whole(event.get("seed"), 0, 2**32 - 1, what + ".seed")) != order:
                differences.append(what + ": not the order its seed gives")
        elif kind == "build":
            keys(event, ["event", "seed", "rows", "crossLines", "fairDraw", "time"], what)
            whole(event.get("seed"), 0, 2**32 - 1, what + ".seed"); whole(event.get("rows"), 2, 480, what + ".rows")
            flag(event.get("crossLines"), what); flag(event.get("fairDraw"), what)
            if "time" in event: time(event["time"], what + ".time")
            last_build = index
        else:
            raise Unreadable(what + ".event is unknown")
        after_fair = index > 0 and history[index - 1].get("event") == "shuffle" and history[index - 1].get("kind") == "fair"
        need(after_fair == (kind == "build" and event.get("fairDraw")), what + ": a fair Build without its fair shuffle")
    need(not history or history[-1].get("event") != "shuffle" or history[-1].get("kind") != "fair",
         "a fair shuffle without its Build")
    need(last_build is not None, "there is no Build")
    for event in history[last_build + 1:]:
        hits_loaded = hits_loaded or (event["event"] == "load" and event["column"] == "hits")
        need(event["event"] == "load" or (event["event"] == "shuffle" and event["column"] == "hits" and hits_loaded),
             "something Quorvan withdraws comes after the last Build")
    build = dict(history[last_build], event=None)
    build.pop("time", None)
    need(build == {"event": None, "seed": record["seed"], "rows": rows, "crossLines": record["crossLines"],
                   "fairDraw": record["fairDraw"]}, "the last Build differs from the record's entries")
    need(type(record.get("ladder")) is str and re.fullmatch("[0-9a-f]{64}", record["ladder"]), "ladder")
    results = record.get("results")
    need(type(results) is list and len(results) == rows, "results should have rows entries")
    for row, result in enumerate(results, 1):
        what = "results[%d]" % (row - 1)
        keys(result, ["hit", "hitName", "member", "memberName"], what)
        whole(result.get("hit"), row, row, what + ".hit"); whole(result.get("member"), 1, rows, what + ".member")
        name(result.get("hitName"), what + ".hitName"); name(result.get("memberName"), what + ".memberName")
    grid = ladder(rows, record["seed"], record["crossLines"])
    cells = bytes(grid[line][column] for line in range(1, rows + 1) for column in range(44))
    if hashlib.sha256(cells).hexdigest() != record["ladder"]:
        differences.append("the ladder made from the seed is not the one recorded")
    for hit, result in enumerate(results, 1):
        member = end_of_path(grid, hit)
        if result != {"hit": hit, "hitName": record["hits"][hit - 1], "member": member,
                      "memberName": record["members"][member - 1]}:
            differences.append("hit %d: the ladder gives member %d" % (hit, member))
    return differences

def announced_draw(A, values, rows):
    """The hits' order and the ladder's seed of an announced draw."""
    K = hashlib.sha256(b"quorvan-announced-draw-1\0" + A + canonical(values).encode("utf-8")).digest()
    def words():
        for counter in range(2**64):
            block = hashlib.sha256(K + b"shuffle" + counter.to_bytes(8, "big")).digest()
            yield from (int.from_bytes(block[at:at + 4], "big") for at in range(0, 32, 4))
    word, order = words(), list(range(1, rows + 1))
    for last in range(rows, 1, -1):
        w = next(word)
        while w >= 2**32 - 2**32 % last: w = next(word)
        order[last - 1], order[w % last] = order[w % last], order[last - 1]
    return K.hex(), order, int.from_bytes(hashlib.sha256(K + b"ladder").digest()[:4], "big")

def check_announced(record, given):
    """Unreadable for what is no announced record; the differences otherwise."""
    def need(ok, what):
        if not ok: raise Unreadable(what)
    need(set(record) <= {"format", "formatVersion", "program", "programVersion", "time", "announcement", "values",
                         "key", "order", "seed", "members", "hits", "ladder", "results"}, "an unknown entry")
    need(record.get("program") == "Quorvan" and type(record.get("announcement")) is str, "program, announcement")
    text = record["announcement"].encode("utf-8")
    announcement = load_strictly(text)
    need(type(announcement) is dict and announcement.get("format") == "quorvan-announcement"
         and announcement.get("method") == "quorvan-announced-draw-1" and canonical(announcement).encode() == text,
         "the announcement is not one, or not in its canonical form")
    rows, sources, values = announcement["rows"], announcement["sources"], record.get("values")
    need(type(values) is list and len(values) == len(sources), "values should be one per source")
    for key, size in (("order", rows), ("members", rows), ("hits", rows), ("results", rows)):
        need(type(record.get(key)) is list and len(record[key]) == size, key + " should have rows entries")
    A, differences, drawn = hashlib.sha256(text).digest(), [], []
    print("Announcement digest A: " + A.hex())
    if given is not None and given.lower() != A.hex():
        differences.append("A is not the one given")
    if record["members"] != announcement["members"]:
        differences.append("the lists are not the announcement's")
    for source, value in zip(sources, values):
        need(type(value) is dict and value.get("source") == source["name"], "values in the announcement's order")
        if source["kind"] == "participants":
            commitments = value.get("commitments")
            need(type(commitments) is list and [c.get("participant") for c in commitments] == source["participants"],
                 "one commitment per participant")
            for commitment in commitments:
                reveal = commitment.get("reveal")
                drawn.append(reveal)
                if reveal is not None and hashlib.sha256(b"quorvan-commit-1\0" + A + commitment["participant"].encode()
                        + b"\0" + reveal.encode()).hexdigest() != commitment["commitment"]:
                    differences.append("%s: the reveal does not match the commitment" % commitment["participant"])
            continue
        text_value = value.get("value")
        need(type(text_value) is str, "a value should be a text")
        drawn.append(text_value)
        if source["kind"] == "dice" and not re.fullmatch("[1-6]{%d}" % source["count"], text_value):
            differences.append("%s: not %d dice" % (source["name"], source["count"]))
        if source["kind"] == "public" and not (0 < len(text_value) <= 200 and text_value == text_value.strip()
                and unicodedata.is_normalized("NFC", text_value) and not re.search("[\x00-\x1f\x7f]", text_value)):
            differences.append("%s: not written by the rule" % source["name"])
    key, order, seed = announced_draw(A, drawn, rows)
    hits = [announcement["hits"][row - 1] for row in order]
    if (record.get("key"), record["order"], record.get("seed"), record["hits"]) != (key, order, seed, hits):
        differences.append("the key, order or seed is not the one the announcement and the values give")
    grid = ladder(rows, seed, announcement["crossLines"])
    cells = bytes(grid[line][column] for line in range(1, rows + 1) for column in range(44))
    if hashlib.sha256(cells).hexdigest() != record.get("ladder"):
        differences.append("the ladder is not the one the seed gives")
    for hit, result in enumerate(record["results"], 1):
        member = end_of_path(grid, hit)
        if result != {"hit": hit, "hitName": hits[hit - 1], "member": member,
                      "memberName": announcement["members"][member - 1]}:
            differences.append("hit %d: the ladder gives member %d" % (hit, member))
    return differences

def verify(path, given=None):
    try:
        with open(path, "rb") as file:
            record = load_strictly(file.read(16 * 1024 * 1024 + 1))
        if type(record) is not dict or record.get("format") != "quorvan-draw":
            raise Unreadable("it is not a Quorvan draw record")
        if record.get("formatVersion") not in (1, 2):
            raise Unreadable("format version %r is not 1 or 2" % record.get("formatVersion"))
        said = record.pop("sha256", None)
        if type(said) is not str or not re.fullmatch("[0-9a-f]{64}", said):
            raise Unreadable("sha256 should be 64 lower-case hexadecimal digits")
        if hashlib.sha256(canonical(record).encode("utf-8")).hexdigest() != said:
            print("Altered: the content does not match its SHA-256 digest.")
            return 1
        differences = check(record) if record["formatVersion"] == 1 else check_announced(record, given)
    except (OSError, Unreadable, KeyError, TypeError, AttributeError) as problem:
        print("Not a readable draw record: %s" % problem, file=sys.stderr)
        return 2
    for difference in differences:
        print(difference)
    print("Not verified." if differences else "Verified: consistent with itself (which says nothing of re-drawing)."
          if record["formatVersion"] == 1 else "Verified: the one outcome the announcement and the values allow.")
    return 1 if differences else 0

if __name__ == "__main__":
    sys.exit(verify(*sys.argv[1:]) if len(sys.argv) in (2, 3) else 2)
