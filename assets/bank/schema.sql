-- Question bank and work tables. Mark columns hold '1' or ''.
CREATE TABLE tree (
  id       INTEGER PRIMARY KEY,
  nodename TEXT    NOT NULL DEFAULT '',
  parentid INTEGER NOT NULL DEFAULT 0,
  code     INTEGER NOT NULL DEFAULT 0,
  scbt     TEXT    NOT NULL DEFAULT '',
  ct       TEXT    NOT NULL DEFAULT ''
);
CREATE TABLE qtype (
  id    INTEGER PRIMARY KEY,
  code  INTEGER NOT NULL,
  title TEXT    NOT NULL DEFAULT ''
);
CREATE TABLE readtext (
  id      INTEGER PRIMARY KEY,
  treeid  INTEGER NOT NULL,
  qtypeid INTEGER NOT NULL,
  content TEXT    NOT NULL DEFAULT '',
  itemnum INTEGER NOT NULL DEFAULT 0,
  opnum   INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE question (
  id         INTEGER PRIMARY KEY,
  readtextid INTEGER NOT NULL,
  content    TEXT    NOT NULL DEFAULT '',
  answer     TEXT    NOT NULL DEFAULT '',
  explain    TEXT    NOT NULL DEFAULT '',
  picurl     TEXT    NOT NULL DEFAULT '',
  itemnum    INTEGER NOT NULL DEFAULT 0,
  scbt       TEXT    DEFAULT '',
  ct         TEXT    DEFAULT '',
  ct1        TEXT    DEFAULT '',
  lx         TEXT    DEFAULT ''
);
CREATE TABLE opinion (
  id         INTEGER PRIMARY KEY,
  questionid INTEGER NOT NULL,
  code       TEXT    NOT NULL,
  content    TEXT    NOT NULL DEFAULT ''
);
CREATE TABLE kemu  (ID TEXT NOT NULL DEFAULT '', mz TEXT NOT NULL DEFAULT '');
CREATE TABLE geshu (kemugeshu TEXT NOT NULL DEFAULT '');
-- Work tables of the tests; the automatic keys keep insertion order.
CREATE TABLE ts (txs TEXT DEFAULT '', fg TEXT DEFAULT '');
CREATE TABLE sj (
  id   INTEGER PRIMARY KEY AUTOINCREMENT,
  tid  TEXT DEFAULT '',
  lx   TEXT DEFAULT '',
  alt  TEXT DEFAULT '',
  tg   TEXT DEFAULT '',
  tgid INTEGER,
  da   TEXT DEFAULT '',
  tp   TEXT DEFAULT '',
  xx   TEXT DEFAULT '',
  tjda TEXT DEFAULT ''
);
CREATE TABLE fenshu (
  id  INTEGER PRIMARY KEY AUTOINCREMENT,
  tx  TEXT DEFAULT '',
  sts TEXT DEFAULT '',
  dd  TEXT DEFAULT ''
);
-- The statements filter by these columns.
CREATE INDEX tree_parent    ON tree(parentid);
CREATE INDEX tree_code      ON tree(code);
CREATE INDEX readtext_tree  ON readtext(treeid, qtypeid);
CREATE INDEX question_group ON question(readtextid);
CREATE INDEX question_scbt  ON question(scbt);
CREATE INDEX question_ct    ON question(ct);
CREATE INDEX question_ct1   ON question(ct1);
CREATE INDEX opinion_q      ON opinion(questionid);
CREATE INDEX sj_tid         ON sj(tid);
CREATE INDEX fenshu_tx      ON fenshu(tx);
