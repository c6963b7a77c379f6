-- Lab categories. The main window knows these six names exactly and lists each exercise
-- under the category its sublab.ref points at.
INSERT INTO labs ("index", labname) VALUES
  (1, 'CLI Fundamental Labs'),
  (2, 'Routing Fundamentals Lab'),
  (3, 'Access Lists'),
  (4, 'Switch Fundamentals'),
  (5, 'Switch Configuration And VLAN'),
  (6, 'Wide Area Networking');
