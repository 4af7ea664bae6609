-- Ready-made unit tree for the user type 7, 单位用户, loaded by the first-run wizard:
-- a single body: its leadership, internal offices, party and mass organisations, and a grouping
-- node for subordinate units.
-- Names are generic (no place name) so that the organisation only renames what differs.
-- ID and parentID are kept when the tree is loaded; py1/py2 are the pinyin initials of name/dwjc.
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,1,0,1,'单位领导','单位领导',0,True,'其他机关','DWLD','DWLD','001');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,2,0,2,'内设机构','内设机构',0,False,'','NSJG','NSJG','002');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,3,2,1,'办公室','办公室',1,True,'其他机关','BGS','BGS','00201');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,4,2,2,'组织人事科','组织人事科',1,True,'其他机关','ZZRSK','ZZRSK','00202');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,5,2,3,'计划财务科','计划财务科',1,True,'其他机关','JHCWK','JHCWK','00203');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,6,2,4,'政策法规科','政策法规科',1,True,'其他机关','ZCFGK','ZCFGK','00204');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,7,2,5,'业务一科','业务一科',1,True,'其他机关','YWYK','YWYK','00205');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,8,2,6,'业务二科','业务二科',1,True,'其他机关','YWEK','YWEK','00206');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,9,0,3,'党群组织','党群组织',0,False,'','DQZZ','DQZZ','003');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,10,9,1,'机关党委','机关党委',1,True,'党委部门','JGDW','JGDW','00301');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,11,9,2,'机关纪委','机关纪委',1,True,'党的纪检部门','JGJW','JGJW','00302');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,12,9,3,'工会','工会',1,True,'人民团体机关','GH','GH','00303');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,13,9,4,'团委','团委',1,True,'人民团体机关','TW','TW','00304');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (7,14,0,4,'下属单位','下属单位',0,False,'','XSDW','XSDW','004');
