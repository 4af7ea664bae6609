-- Ready-made unit tree for the user type 4, 县委组织部(人事局), loaded by the first-run wizard:
-- the leading bodies of a county with its party and government departments, congress and
-- consultative offices, mass organisations, public institutions, and a grouping node for the
-- townships and towns.
-- Names are generic (no place name) so that the organisation only renames what differs.
-- ID and parentID are kept when the tree is loaded; py1/py2 are the pinyin initials of name/dwjc.
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,1,0,1,'四大班子','四大班子',0,False,'','SDBZ','SDBZ','001');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,2,1,1,'县委','县委',1,True,'党委班子','XW','XW','00101');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,3,1,2,'县人大常委会','县人大',1,True,'人大班子','XRDCWH','XRD','00102');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,4,1,3,'县人民政府','县政府',1,True,'政府班子','XRMZF','XZF','00103');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,5,1,4,'县政协','县政协',1,True,'政协班子','XZX','XZX','00104');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,6,0,2,'县纪委监委','县纪委监委',0,True,'党的纪检班子','XJWJW','XJWJW','002');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,7,0,3,'法检两院','法检两院',0,False,'','FJLY','FJLY','003');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,8,7,1,'县人民法院','县法院',1,True,'法检班子','XRMFY','XFY','00301');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,9,7,2,'县人民检察院','县检察院',1,True,'法检班子','XRMJCY','XJCY','00302');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,10,0,4,'党委部门','党委部门',0,False,'','DWBM','DWBM','004');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,11,10,1,'县委办公室','县委办',1,True,'党委部门','XWBGS','XWB','00401');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,12,10,2,'县委组织部','县委组织部',1,True,'党委部门','XWZZB','XWZZB','00402');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,13,10,3,'县委宣传部','县委宣传部',1,True,'党委部门','XWXCB','XWXCB','00403');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,14,10,4,'县委统战部','县委统战部',1,True,'党委部门','XWTZB','XWTZB','00404');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,15,10,5,'县委政法委员会','县委政法委',1,True,'党委部门','XWZFWYH','XWZFW','00405');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,16,10,6,'县委政策研究室','县委政研室',1,True,'党委部门','XWZCYJS','XWZYS','00406');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,17,10,7,'县委机构编制委员会办公室','县委编办',1,True,'党委部门','XWJGBZWYHBGS','XWBB','00407');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,18,10,8,'县委网络安全和信息化委员会办公室','县委网信办',1,True,'党委部门','XWWLAQHXXHWYHBGS','XWWXB','00408');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,19,10,9,'县直机关工作委员会','县直机关工委',1,True,'党委部门','XZJGGZWYH','XZJGGW','00409');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,20,10,10,'县委巡察工作领导小组办公室','县委巡察办',1,True,'党委部门','XWXCGZLDXZBGS','XWXCB','0040A');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,21,10,11,'县委老干部局','县委老干部局',1,True,'党委部门','XWLGBJ','XWLGBJ','0040B');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,22,0,5,'政府部门','政府部门',0,False,'','ZFBM','ZFBM','005');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,23,22,1,'县人民政府办公室','县政府办',1,True,'政府部门','XRMZFBGS','XZFB','00501');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,24,22,2,'县发展和改革局','县发改局',1,True,'政府部门','XFZHGGJ','XFGJ','00502');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,25,22,3,'县教育局','县教育局',1,True,'政府部门','XJYJ','XJYJ','00503');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,26,22,4,'县科学技术局','县科技局',1,True,'政府部门','XKXJSJ','XKJJ','00504');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,27,22,5,'县工业和信息化局','县工信局',1,True,'政府部门','XGYHXXHJ','XGXJ','00505');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,28,22,6,'县公安局','县公安局',1,True,'政府部门','XGAJ','XGAJ','00506');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,29,22,7,'县民政局','县民政局',1,True,'政府部门','XMZJ','XMZJ','00507');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,30,22,8,'县司法局','县司法局',1,True,'政府部门','XSFJ','XSFJ','00508');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,31,22,9,'县财政局','县财政局',1,True,'政府部门','XCZJ','XCZJ','00509');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,32,22,10,'县人力资源和社会保障局','县人社局',1,True,'政府部门','XRLZYHSHBZJ','XRSJ','0050A');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,33,22,11,'县自然资源局','县自然资源局',1,True,'政府部门','XZRZYJ','XZRZYJ','0050B');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,34,22,12,'县住房和城乡建设局','县住建局',1,True,'政府部门','XZFHCXJSJ','XZJJ','0050C');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,35,22,13,'县交通运输局','县交通运输局',1,True,'政府部门','XJTYSJ','XJTYSJ','0050D');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,36,22,14,'县水利局','县水利局',1,True,'政府部门','XSLJ','XSLJ','0050E');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,37,22,15,'县农业农村局','县农业农村局',1,True,'政府部门','XNYNCJ','XNYNCJ','0050F');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,38,22,16,'县商务局','县商务局',1,True,'政府部门','XSWJ','XSWJ','00510');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,39,22,17,'县文化和旅游局','县文旅局',1,True,'政府部门','XWHHLYJ','XWLJ','00511');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,40,22,18,'县卫生健康局','县卫生健康局',1,True,'政府部门','XWSJKJ','XWSJKJ','00512');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,41,22,19,'县退役军人事务局','县退役军人局',1,True,'政府部门','XTYJRSWJ','XTYJRJ','00513');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,42,22,20,'县应急管理局','县应急局',1,True,'政府部门','XYJGLJ','XYJJ','00514');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,43,22,21,'县审计局','县审计局',1,True,'政府部门','XSJJ','XSJJ','00515');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,44,22,22,'县市场监督管理局','县市场监管局',1,True,'政府部门','XSCJDGLJ','XSCJGJ','00516');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,45,22,23,'县统计局','县统计局',1,True,'政府部门','XTJJ','XTJJ','00517');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,46,22,24,'县医疗保障局','县医保局',1,True,'政府部门','XYLBZJ','XYBJ','00518');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,47,22,25,'县信访局','县信访局',1,True,'政府部门','XXFJ','XXFJ','00519');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,48,0,6,'人大政协机关','人大政协机关',0,False,'','RDZXJG','RDZXJG','006');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,49,48,1,'县人大常委会办公室','县人大办',1,True,'人大部门','XRDCWHBGS','XRDB','00601');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,50,48,2,'县政协办公室','县政协办',1,True,'政协部门','XZXBGS','XZXB','00602');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,51,0,7,'群团组织','群团组织',0,False,'','QTZZ','QTZZ','007');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,52,51,1,'县总工会','县总工会',1,True,'人民团体机关','XZGH','XZGH','00701');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,53,51,2,'共青团县委','团县委',1,True,'人民团体机关','GQTXW','TXW','00702');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,54,51,3,'县妇女联合会','县妇联',1,True,'人民团体机关','XFNLHH','XFL','00703');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,55,51,4,'县科学技术协会','县科协',1,True,'人民团体机关','XKXJSXH','XKX','00704');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,56,51,5,'县残疾人联合会','县残联',1,True,'人民团体机关','XCJRLHH','XCL','00705');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,57,51,6,'县工商业联合会','县工商联',1,True,'人民团体机关','XGSYLHH','XGSL','00706');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,58,0,8,'事业单位','事业单位',0,False,'','SYDW','SYDW','008');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,59,58,1,'县委党校','县委党校',1,True,'事业单位','XWDX','XWDX','00801');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,60,58,2,'县档案馆','县档案馆',1,True,'事业单位','XDAG','XDAG','00802');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,61,58,3,'县融媒体中心','县融媒体中心',1,True,'事业单位','XRMTZX','XRMTZX','00803');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (4,62,0,9,'乡镇','乡镇',0,False,'','XZ','XZ','009');
