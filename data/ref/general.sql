-- The one row of organisation-wide settings, at the current schema version.
insert into tb_general (version) values (3.72);
