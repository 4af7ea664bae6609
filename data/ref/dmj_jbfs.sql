-- Ways in which an opinion from the public reached the department (code set ZB105-2006/JBFS),
-- a flat list built for the opinions dialog; not copied from a published table.
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','1','来信','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','2','来访','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','3','来电','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','4','网络举报','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','5','上级交办','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','6','巡视巡察移交','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','7','审计移交','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','8','媒体反映','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB105-2006/JBFS','9','其他','',0);
