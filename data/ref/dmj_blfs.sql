-- Ways of handling an opinion from the public (code set ZB106-2006/BLFS), built for the opinions
-- dialog after the usual ways of dealing with leads on cadres; not copied from a published table.
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','1','直接办理','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','11','谈话函询','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','12','初步核实','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','13','暂存待查','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','14','予以了结','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','2','转交办理','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','21','转纪检监察机关','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','22','转有关部门','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','23','转下级组织部门','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB106-2006/BLFS','3','存档备查','',0);
