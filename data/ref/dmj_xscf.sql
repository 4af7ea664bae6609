-- Criminal penalties (code set ZB68-2006/XSCF): the principal and supplementary penalties of the
-- criminal law (arts. 33 and 34) and exemption from penalty. The codes are this program's own.
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','1','主刑','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','11','管制','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','12','拘役','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','13','有期徒刑','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','14','无期徒刑','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','15','死刑','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','2','附加刑','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','21','罚金','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','22','剥夺政治权利','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','23','没收财产','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB68-2006/XSCF','3','免予刑事处罚','',0);
