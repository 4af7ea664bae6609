-- Honours (code set ZB66-2006/CHJZ). Built for the rewards dialog, not copied from a published
-- table. L0 holds the honour levels, one-character codes because tb_jc.A14Z207 keeps one
-- character; C0 the honour titles and J0 the medals, named without their level (the level is
-- picked separately).
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','L0','荣誉称号级别','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','1','国家级','L0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','2','省部级','L0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','3','市厅级','L0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','4','县处级','L0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','9','其他','L0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C0','荣誉称号','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C01','劳动模范','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C02','先进工作者','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C03','优秀共产党员','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C04','优秀党务工作者','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C05','三八红旗手','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C06','优秀共青团员','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C07','人民满意的公务员','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C08','优秀公务员','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C09','优秀教师','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C10','道德模范','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','C99','其他荣誉称号','C0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','J0','荣誉奖章','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','J01','共和国勋章','J0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','J02','七一勋章','J0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','J03','五一劳动奖章','J0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','J04','五四青年奖章','J0',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB66-2006/CHJZ','J99','其他奖章','J0',1);
