-- Ready-made unit tree for the user type 3, 区委组织部(人事局), loaded by the first-run wizard:
-- the leading bodies of a city district with its party and government departments, congress
-- and consultative offices, mass organisations, public institutions, and a grouping node for
-- the sub-districts and towns.
-- Names are generic (no place name) so that the organisation only renames what differs.
-- ID and parentID are kept when the tree is loaded; py1/py2 are the pinyin initials of name/dwjc.
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,1,0,1,'四大班子','四大班子',0,False,'','SDBZ','SDBZ','001');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,2,1,1,'区委','区委',1,True,'党委班子','QW','QW','00101');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,3,1,2,'区人大常委会','区人大',1,True,'人大班子','QRDCWH','QRD','00102');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,4,1,3,'区人民政府','区政府',1,True,'政府班子','QRMZF','QZF','00103');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,5,1,4,'区政协','区政协',1,True,'政协班子','QZX','QZX','00104');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,6,0,2,'区纪委监委','区纪委监委',0,True,'党的纪检班子','QJWJW','QJWJW','002');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,7,0,3,'法检两院','法检两院',0,False,'','FJLY','FJLY','003');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,8,7,1,'区人民法院','区法院',1,True,'法检班子','QRMFY','QFY','00301');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,9,7,2,'区人民检察院','区检察院',1,True,'法检班子','QRMJCY','QJCY','00302');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,10,0,4,'党委部门','党委部门',0,False,'','DWBM','DWBM','004');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,11,10,1,'区委办公室','区委办',1,True,'党委部门','QWBGS','QWB','00401');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,12,10,2,'区委组织部','区委组织部',1,True,'党委部门','QWZZB','QWZZB','00402');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,13,10,3,'区委宣传部','区委宣传部',1,True,'党委部门','QWXCB','QWXCB','00403');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,14,10,4,'区委统战部','区委统战部',1,True,'党委部门','QWTZB','QWTZB','00404');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,15,10,5,'区委政法委员会','区委政法委',1,True,'党委部门','QWZFWYH','QWZFW','00405');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,16,10,6,'区委政策研究室','区委政研室',1,True,'党委部门','QWZCYJS','QWZYS','00406');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,17,10,7,'区委机构编制委员会办公室','区委编办',1,True,'党委部门','QWJGBZWYHBGS','QWBB','00407');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,18,10,8,'区委网络安全和信息化委员会办公室','区委网信办',1,True,'党委部门','QWWLAQHXXHWYHBGS','QWWXB','00408');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,19,10,9,'区直机关工作委员会','区直机关工委',1,True,'党委部门','QZJGGZWYH','QZJGGW','00409');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,20,10,10,'区委巡察工作领导小组办公室','区委巡察办',1,True,'党委部门','QWXCGZLDXZBGS','QWXCB','0040A');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,21,10,11,'区委老干部局','区委老干部局',1,True,'党委部门','QWLGBJ','QWLGBJ','0040B');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,22,0,5,'政府部门','政府部门',0,False,'','ZFBM','ZFBM','005');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,23,22,1,'区人民政府办公室','区政府办',1,True,'政府部门','QRMZFBGS','QZFB','00501');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,24,22,2,'区发展和改革局','区发改局',1,True,'政府部门','QFZHGGJ','QFGJ','00502');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,25,22,3,'区教育局','区教育局',1,True,'政府部门','QJYJ','QJYJ','00503');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,26,22,4,'区科学技术局','区科技局',1,True,'政府部门','QKXJSJ','QKJJ','00504');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,27,22,5,'区工业和信息化局','区工信局',1,True,'政府部门','QGYHXXHJ','QGXJ','00505');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,28,22,6,'区公安分局','区公安分局',1,True,'政府部门','QGAFJ','QGAFJ','00506');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,29,22,7,'区民政局','区民政局',1,True,'政府部门','QMZJ','QMZJ','00507');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,30,22,8,'区司法局','区司法局',1,True,'政府部门','QSFJ','QSFJ','00508');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,31,22,9,'区财政局','区财政局',1,True,'政府部门','QCZJ','QCZJ','00509');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,32,22,10,'区人力资源和社会保障局','区人社局',1,True,'政府部门','QRLZYHSHBZJ','QRSJ','0050A');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,33,22,11,'区自然资源局','区自然资源局',1,True,'政府部门','QZRZYJ','QZRZYJ','0050B');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,34,22,12,'区住房和城乡建设局','区住建局',1,True,'政府部门','QZFHCXJSJ','QZJJ','0050C');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,35,22,13,'区交通运输局','区交通运输局',1,True,'政府部门','QJTYSJ','QJTYSJ','0050D');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,36,22,14,'区水利局','区水利局',1,True,'政府部门','QSLJ','QSLJ','0050E');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,37,22,15,'区农业农村局','区农业农村局',1,True,'政府部门','QNYNCJ','QNYNCJ','0050F');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,38,22,16,'区商务局','区商务局',1,True,'政府部门','QSWJ','QSWJ','00510');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,39,22,17,'区文化和旅游局','区文旅局',1,True,'政府部门','QWHHLYJ','QWLJ','00511');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,40,22,18,'区卫生健康局','区卫生健康局',1,True,'政府部门','QWSJKJ','QWSJKJ','00512');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,41,22,19,'区退役军人事务局','区退役军人局',1,True,'政府部门','QTYJRSWJ','QTYJRJ','00513');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,42,22,20,'区应急管理局','区应急局',1,True,'政府部门','QYJGLJ','QYJJ','00514');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,43,22,21,'区审计局','区审计局',1,True,'政府部门','QSJJ','QSJJ','00515');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,44,22,22,'区市场监督管理局','区市场监管局',1,True,'政府部门','QSCJDGLJ','QSCJGJ','00516');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,45,22,23,'区统计局','区统计局',1,True,'政府部门','QTJJ','QTJJ','00517');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,46,22,24,'区医疗保障局','区医保局',1,True,'政府部门','QYLBZJ','QYBJ','00518');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,47,22,25,'区信访局','区信访局',1,True,'政府部门','QXFJ','QXFJ','00519');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,48,0,6,'人大政协机关','人大政协机关',0,False,'','RDZXJG','RDZXJG','006');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,49,48,1,'区人大常委会办公室','区人大办',1,True,'人大部门','QRDCWHBGS','QRDB','00601');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,50,48,2,'区政协办公室','区政协办',1,True,'政协部门','QZXBGS','QZXB','00602');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,51,0,7,'群团组织','群团组织',0,False,'','QTZZ','QTZZ','007');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,52,51,1,'区总工会','区总工会',1,True,'人民团体机关','QZGH','QZGH','00701');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,53,51,2,'共青团区委','团区委',1,True,'人民团体机关','GQTQW','TQW','00702');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,54,51,3,'区妇女联合会','区妇联',1,True,'人民团体机关','QFNLHH','QFL','00703');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,55,51,4,'区科学技术协会','区科协',1,True,'人民团体机关','QKXJSXH','QKX','00704');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,56,51,5,'区残疾人联合会','区残联',1,True,'人民团体机关','QCJRLHH','QCL','00705');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,57,51,6,'区工商业联合会','区工商联',1,True,'人民团体机关','QGSYLHH','QGSL','00706');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,58,0,8,'事业单位','事业单位',0,False,'','SYDW','SYDW','008');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,59,58,1,'区委党校','区委党校',1,True,'事业单位','QWDX','QWDX','00801');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,60,58,2,'区档案馆','区档案馆',1,True,'事业单位','QDAG','QDAG','00802');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,61,58,3,'区融媒体中心','区融媒体中心',1,True,'事业单位','QRMTZX','QRMTZX','00803');
insert into tb_model (mtype,ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,dwIndex) values (3,62,0,9,'街道镇','街道镇',0,False,'','JDZ','JDZ','009');
