-- Personnel categories (tb_conf group GBSF), the list the settings dialog falls back to when the
-- group is empty; shown one ItemID per line in ItemV order.
insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','公务员','01');
insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','参照公务员','02');
insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','行政编制','03');
insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','全额拨款事业编制','04');
insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','差额拨款事业编制','05');
