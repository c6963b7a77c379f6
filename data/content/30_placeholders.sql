-- The placeholders that have an evaluation rule. A tree word that begins with "<" must be one
-- of these texts exactly.
INSERT INTO tblevalsyntax ("index", syntax) VALUES
  (1,  '<A.B.C.D>'),
  (2,  '<WORD>'),
  (3,  '<LINE>'),
  (4,  '<NUMBER>'),
  (5,  '<SECONDS>'),
  (6,  '<MINUTES>'),
  (7,  '<PPP/HDLC>'),
  (8,  '<ANUM>'),
  (9,  '<PERMIT/DENY>'),
  (10, '<AGNUM>'),
  (11, '<TELNET_ID>');
