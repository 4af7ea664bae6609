-- Reasons for rewards and punishments (code set ZB20-2006/JCYY): reward reasons under 1 (the
-- grounds for rewards of the civil servant law, art. 52), punishment reasons under 2 (the six
-- kinds of discipline of the party's disciplinary rules, then breaches of the law). The reason
-- picker selects a side with "DM like '1%'" or "DM like '2%'". The codes are this program's own.
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','1','奖励原因','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','101','忠于职守，积极工作，勇于担当，工作实绩显著','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','102','遵纪守法，廉洁奉公，作风正派，办事公道，模范作用突出','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','103','在工作中有发明创造或者提出合理化建议，取得显著经济效益或者社会效益','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','104','为增进民族团结，维护社会稳定做出突出贡献','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','105','爱护公共财产，节约国家资财有突出成绩','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','106','防止或者消除事故有功，使国家和人民群众利益免受或者减少损失','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','107','在抢险、救灾等特定环境中做出突出贡献','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','108','同违纪违法行为作斗争有功绩','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','109','在对外交往中为国家争得荣誉和利益','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','110','有其他突出功绩','1',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','2','惩处原因','',0);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','201','违反政治纪律','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','202','违反组织纪律','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','203','违反廉洁纪律','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','204','违反群众纪律','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','205','违反工作纪律','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','206','违反生活纪律','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','207','职务违法','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','208','职务犯罪','2',1);
insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values ('ZB20-2006/JCYY','209','其他违法犯罪','2',1);
