-- One category; the author's texts make everything else.
INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');
