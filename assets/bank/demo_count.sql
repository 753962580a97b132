-- Runs last: the stored question count shown in the status bar.
INSERT INTO geshu (kemugeshu) SELECT CAST(COUNT(*) AS TEXT) FROM question;
