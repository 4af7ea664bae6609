-- Truthfulness of a report (code set ZB104-2006/SSQK), a flat list built for the opinions
-- dialog; not copied from a published table.
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB104-2006/SSQK','1','属实','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB104-2006/SSQK','2','基本属实','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB104-2006/SSQK','3','部分属实','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB104-2006/SSQK','4','不属实','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB104-2006/SSQK','5','无法查实','',0);
