-- Defaults of the two-dimensional statistics (tb_params): seven age bands, five nationalities
-- (the first five of the GB/T 3304 list) and five post levels, each list closed by the label of
-- the rest, "其他".
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',1,'小于等于','35','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',2,'介于','36','40');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',3,'介于','41','45');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',4,'介于','46','50');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',5,'介于','51','55');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',6,'介于','56','60');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-年龄',7,'大于','60','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-民族',1,'汉族','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-民族',2,'蒙古族','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-民族',3,'回族','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-民族',4,'藏族','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-民族',5,'维吾尔族','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-民族',6,'其他','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-职级',1,'县处级正职','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-职级',2,'县处级副职','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-职级',3,'乡科级正职','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-职级',4,'乡科级副职','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-职级',5,'科员','','');
insert into tb_params (nType,ord,params1,params2,params3) values ('统计-职级',6,'其他','','');
