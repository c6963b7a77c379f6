-- routedrill lab database layout.
-- Readers address columns by position, so the column order of every table is part of the
-- layout and must not change. `index` is a plain integer, never a primary key: natural order
-- is insertion (rowid) order, and keys are assigned by the program, not the engine.
-- Text columns compare without regard to case in WHERE and LIKE. Boolean columns hold 0 or 1.

CREATE TABLE labs (
  "index"  INTEGER,
  labname  TEXT COLLATE NOCASE
);

CREATE TABLE sublab (
  "index"         INTEGER,
  sublabnane      TEXT COLLATE NOCASE,
  networkpath     TEXT COLLATE NOCASE,
  Description     TEXT COLLATE NOCASE,
  flashcard       TEXT COLLATE NOCASE,
  flashcardtitle  TEXT COLLATE NOCASE,
  ref             INTEGER
);

CREATE TABLE instructions (
  "index"      INTEGER,
  instruction  TEXT COLLATE NOCASE,
  ref          INTEGER,
  flashcard    TEXT COLLATE NOCASE,
  notes        TEXT COLLATE NOCASE,
  device       TEXT COLLATE NOCASE
);

CREATE TABLE comrestble (
  "index"    INTEGER,
  command    TEXT COLLATE NOCASE,
  response   TEXT COLLATE NOCASE,
  comprompt  TEXT COLLATE NOCASE,
  resprompt  TEXT COLLATE NOCASE,
  notes      TEXT COLLATE NOCASE,
  ref1       INTEGER
);

-- Device state: the key column, then a saved and a working column per device. The device
-- columns are content; the content files recreate this table with their own device columns.
CREATE TABLE routervariables (
  Config_Variable  TEXT COLLATE NOCASE
);

-- Command tree, level 0: the first word of a command per mode.
CREATE TABLE tblsublabcmds (
  "index"        INTEGER,
  spare1         TEXT COLLATE NOCASE,
  commandprompt  TEXT COLLATE NOCASE,
  command        TEXT COLLATE NOCASE,
  nextprompt     TEXT COLLATE NOCASE,
  cmdenabled     INTEGER,
  writesconfig   INTEGER,
  spare7         TEXT COLLATE NOCASE,
  spare8         TEXT COLLATE NOCASE,
  paramcount     INTEGER,
  paramname1     TEXT COLLATE NOCASE,
  paramname2     TEXT COLLATE NOCASE,
  paramname3     TEXT COLLATE NOCASE,
  morewords      INTEGER,
  cmdresponse    TEXT COLLATE NOCASE,
  commanddesc    TEXT COLLATE NOCASE
);

-- Command tree, levels 1 to 9: word k+1 of a line, each row pointing at its parent through ref.
CREATE TABLE tblsublabcmds1 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds2 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds3 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds4 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds5 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds6 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds7 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds8 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

CREATE TABLE tblsublabcmds9 (
  "index"       INTEGER,
  command       TEXT COLLATE NOCASE,
  writesconfig  INTEGER,
  paramcount    INTEGER,
  paramname1    TEXT COLLATE NOCASE,
  paramname2    TEXT COLLATE NOCASE,
  paramname3    TEXT COLLATE NOCASE,
  morewords     INTEGER,
  cmdresponse   TEXT COLLATE NOCASE,
  commanddesc   TEXT COLLATE NOCASE,
  ref           INTEGER
);

-- The placeholder texts that have an evaluation rule.
CREATE TABLE tblevalsyntax (
  "index"  INTEGER,
  syntax   TEXT COLLATE NOCASE
);
