-- Ready-made unit tree for the user type 6, 高校组织部(人事处), loaded by the first-run wizard:
-- a university: the school leadership, party and mass offices, administrative offices,
-- schools and directly attached units.
-- Names are generic (no place name) so that the organisation only renames what differs.
-- ID and parentID are kept when the tree is loaded; py1/py2 are the pinyin initials of name/dwjc.
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,1,0,1,'学校领导','校领导',0,True,'事业单位','XXLD','XLD','001');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,2,0,2,'党群部门','党群部门',0,False,'','DQBM','DQBM','002');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,3,2,1,'党委办公室','党办',1,True,'党委部门','DWBGS','DB','00201');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,4,2,2,'党委组织部','组织部',1,True,'党委部门','DWZZB','ZZB','00202');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,5,2,3,'党委宣传部','宣传部',1,True,'党委部门','DWXCB','XCB','00203');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,6,2,4,'党委统战部','统战部',1,True,'党委部门','DWTZB','TZB','00204');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,7,2,5,'纪委办公室','纪委办',1,True,'党的纪检部门','JWBGS','JWB','00205');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,8,2,6,'党委教师工作部','教师工作部',1,True,'党委部门','DWJSGZB','JSGZB','00206');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,9,2,7,'党委学生工作部','学生工作部',1,True,'党委部门','DWXSGZB','XSGZB','00207');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,10,2,8,'离退休工作处','离退休处',1,True,'事业单位','LTXGZC','LTXC','00208');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,11,2,9,'工会','工会',1,True,'人民团体机关','GH','GH','00209');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,12,2,10,'团委','团委',1,True,'人民团体机关','TW','TW','0020A');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,13,0,3,'行政部门','行政部门',0,False,'','XZBM','XZBM','003');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,14,13,1,'学校办公室','校办',1,True,'事业单位','XXBGS','XB','00301');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,15,13,2,'发展规划处','规划处',1,True,'事业单位','FZGHC','GHC','00302');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,16,13,3,'人事处','人事处',1,True,'事业单位','RSC','RSC','00303');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,17,13,4,'教务处','教务处',1,True,'事业单位','JWC','JWC','00304');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,18,13,5,'科学技术处','科技处',1,True,'事业单位','KXJSC','KJC','00305');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,19,13,6,'研究生院','研究生院',1,True,'事业单位','YJSY','YJSY','00306');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,20,13,7,'财务处','财务处',1,True,'事业单位','CWC','CWC','00307');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,21,13,8,'审计处','审计处',1,True,'事业单位','SJC','SJC','00308');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,22,13,9,'国际合作与交流处','国际处',1,True,'事业单位','GJHZYJLC','GJC','00309');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,23,13,10,'国有资产管理处','资产处',1,True,'事业单位','GYZCGLC','ZCC','0030A');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,24,13,11,'后勤管理处','后勤处',1,True,'事业单位','HQGLC','HQC','0030B');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,25,13,12,'保卫处','保卫处',1,True,'事业单位','BWC','BWC','0030C');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,26,0,4,'教学科研单位','教学科研单位',0,False,'','JXKYDW','JXKYDW','004');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,27,26,1,'马克思主义学院','马院',1,True,'事业单位','MKSZYXY','MY','00401');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,28,26,2,'文学院','文学院',1,True,'事业单位','WXY','WXY','00402');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,29,26,3,'外国语学院','外语学院',1,True,'事业单位','WGYXY','WYXY','00403');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,30,26,4,'经济与管理学院','经管学院',1,True,'事业单位','JJYGLXY','JGXY','00404');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,31,26,5,'法学院','法学院',1,True,'事业单位','FXY','FXY','00405');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,32,26,6,'理学院','理学院',1,True,'事业单位','LXY','LXY','00406');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,33,26,7,'工学院','工学院',1,True,'事业单位','GXY','GXY','00407');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,34,0,5,'直属单位','直属单位',0,False,'','ZSDW','ZSDW','005');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,35,34,1,'图书馆','图书馆',1,True,'事业单位','TSG','TSG','00501');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,36,34,2,'档案馆','档案馆',1,True,'事业单位','DAG','DAG','00502');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,37,34,3,'网络与信息中心','网络中心',1,True,'事业单位','WLYXXZX','WLZX','00503');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (6,38,34,4,'继续教育学院','继续教育学院',1,True,'事业单位','JXJYXY','JXJYXY','00504');
