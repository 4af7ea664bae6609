-- Reward and punishment categories and kinds (code set ZB19-94/JCLB). Built for the rewards
-- dialog, not copied from a published table: the categories are the dialog's own (codes 11-16
-- rewards, 21-22 punishments), the kinds of work rewards and of disciplinary sanctions are those
-- of the civil servant law (arts. 53 and 62) and of the party's disciplinary rules. Honours and
-- medals are named in ZB66-2006/CHJZ, criminal penalties in ZB68-2006/XSCF.
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1','奖励','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','11','工作成绩奖励','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','12','科学技术奖励','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','13','文艺新闻出版奖励','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','14','其他奖励','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','15','荣誉称号','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','16','荣誉奖章','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1101','嘉奖','11',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1102','记三等功','11',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1103','记二等功','11',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1104','记一等功','11',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1201','国家最高科学技术奖','12',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1202','国家自然科学奖','12',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1203','国家技术发明奖','12',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1204','国家科学技术进步奖','12',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1205','省部级科学技术奖','12',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1209','其他科学技术奖','12',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1301','五个一工程奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1302','中国新闻奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1303','长江韬奋奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1304','中国出版政府奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1305','茅盾文学奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1306','鲁迅文学奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1309','其他文艺新闻出版奖','13',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1401','表彰','14',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1402','通报表扬','14',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','1409','其他','14',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2','惩处','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','21','纪律处分','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','22','刑事处罚','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2101','警告','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2102','记过','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2103','记大过','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2104','降级','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2105','撤职','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2106','开除','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2111','党内警告','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2112','党内严重警告','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2113','撤销党内职务','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2114','留党察看','21',2);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB19-94/JCLB','2115','开除党籍','21',2);
