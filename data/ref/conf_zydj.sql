-- Grades of professional titles (tb_conf group ZYDJ), the list of the "等 级" picker beside the
-- professional title of the cadre record; shown one ItemID per line in ItemV order.
insert into tb_conf (GID,ItemID,ItemV) values ('ZYDJ','正高级','01');
insert into tb_conf (GID,ItemID,ItemV) values ('ZYDJ','副高级','02');
insert into tb_conf (GID,ItemID,ItemV) values ('ZYDJ','中级','03');
insert into tb_conf (GID,ItemID,ItemV) values ('ZYDJ','助理级','04');
insert into tb_conf (GID,ItemID,ItemV) values ('ZYDJ','员级','05');
