#include "nucleo/Mensagens.h"

#include <array>

namespace {

// The program's numbered messages, exactly as shown to the user (indexed by code).
constexpr std::array<const char16_t*, Mensagens::kQuantidade> kTextos = {
    u"Sem erro",  // 0
    u"O declarante não pode ser beneficiário dele mesmo: %s",  // 1
    u"O declarante não pode ser beneficiário dele mesmo para o código de receita: %s",  // 2
    u"Erro de CRC da declaração",  // 3
    u"As informações do recibo de entrega foram corrompidas após a sua gravação. O recibo não será impresso",  // 4
    u"As informações do recibo de entrega não correspondem à declaração selecionada. O recibo não será impresso",  // 5
    u"Não foi possível carregar uma biblioteca do sistema, reinicialize a máquina. Se o problema persistir, reinstale o programa",  // 6
    u"As informações da declaração foram corrompidas após sua gravação. O recibo não será impresso",  // 7
    u"Não foi possível concluir a operação: chave inválida",  // 8
    u"Nome do declarante no arquivo importado diferente do nome existente na base de dados",  // 9
    u"Selecione a natureza do declarante antes do preenchimento das outras fichas",  // 10
    u"Beneficiário não possui Tolv associada a ele",  // 11
    u"Identificador de tipo de registro inválido",  // 12
    u"Confirma a exclusão do beneficiário %s para o código %s?",  // 13
    u"Confirma a exclusão do fundo ou clube de investimento %s?",  // 14
    u"Deseja sair do programa?",  // 15
    u"O CNPJ do fundo ou clube de investimento não pode ser o mesmo do administrador: %s",  // 16
    u"O código de receita %s não é previsto para fundo ou clube de investimento",  // 17
    u"O código de receita %s somente é previsto para fundo ou clube de investimento",  // 18
    u"O fundo ou clube de investimento não pode ser beneficiário dele mesmo",  // 19
    u"O CNPJ do fundo ou clube de investimento deverá ser sempre o de ordem 0001",  // 20
    u"Tolv sem beneficiários e com fundos ou clubes de investimentos",  // 21
    u"A declaração retificadora substitui INTEGRALMENTE os dados da declaração enviada anteriormente. A retificadora deverá conter informações de todos os beneficiários do declarante. Verifique e proceda a retificação com segurança",  // 22
    u"A declaração retificadora substitui INTEGRALMENTE os dados da declaração enviada anteriormente. A retificadora deverá conter informações de todos os beneficiários do declarante. Verifique e proceda a retificação com segurança",  // 23
    u"Para o ano-calendário %s, a declaração retificadora deverá ser apresentada somente com as informações a serem alteradas, incluídas ou excluídas",  // 24
    u"Para este ano-calendário a declaração é de situação especial, extinção para declarante pessoa jurídica ou encerramento de espólio/saída definitiva do país para declarante pessoa física",  // 25
    u"Indicador de natureza do declarante inválido para ano-calendário anterior a 1999",  // 26
    u"Indicador de natureza do declarante inválido",  // 27
    u"Indicador de tipo de declaração diferente de \"O\" (original) ou \"R\" (retificadora)",  // 28
    u"Declaração do ano-calendário %s deve ser de extinção",  // 29
    u"Para declarações de anos-calendário 2003 e 2004, só será permitido o preenchimento da Tolv por estabelecimento matriz (0001)",  // 30
    u"Declarante é Instituição Administradora ou Intermediadora de Fundo ou Clube sem o grupo de registros 4, 5 e 6 (ver leiaute especificado pela BVD)",  // 31
    u"Instituição administradora ou intermediadora de fundos ou clubes sem o preenchimento da respectiva ficha",  // 32
    u"Fundos ou clubes de investimentos preenchidos.  Não serão gravados para a entrega na BVD",  // 33
    u"CPF/CNPJ inválido: %s",  // 34
    u"CPF inválido",  // 35
    u"CNPJ inválido",  // 36
    u"Número de processo inválido",  // 37
    u"CPF não informado",  // 38
    u"CNPJ não informado",  // 39
    u"Número de processo obrigatório",  // 40
    u"Número de inscrição no CPF/CNPJ obrigatório",  // 41
    u"Número de recibo inválido: %s",  // 42
    u"Número de notificação inválido",  // 43
    u"Número da intimação inválida",  // 44
    u"Ano-calendário inválido",  // 45
    u"Já existe declaração para o CNPJ %s no ano-calendário %s. Utilize a opção abrir no menu declaração ou corrija",  // 46
    u"Já existe declaração para o CPF %s no ano-calendário %s. Utilize a opção abrir no menu declaração ou corrija",  // 47
    u"Alteração não pode ser efetuada, pois já existe informação de valor para o beneficiário %s, no código de receita %s",  // 48
    u"Nome inválido",  // 49
    u"Nome empresarial incompleto ou inválido",  // 50
    u"Correio eletrônico(e-mail) inválido: %s",  // 51
    u"Correio eletrônico(e-mail) não informado",  // 52
    u"DDD inválido. Informe com no mínimo 2 dígitos numéricos, sendo o primeiro diferente de zero",  // 53
    u"Rendimento tributável maior que R$ 100.000",  // 54
    u"Valor de deduções maior que R$ 20.000",  // 55
    u"Imposto retido, incluindo compensações por decisão judicial, maior que R$ 20.000",  // 56
    u"Rendimento tributável maior que R$ 1.000.000",  // 57
    u"Imposto retido maior que R$ 100.000",  // 58
    u"Valores iguais a zero em todos os meses",  // 59
    u"Dedução indevida para código/beneficiário",  // 60
    u"Décimo terceiro indevido para o código de receita %s",  // 61
    u"O código de receita %s não admite valores com exigibilidade suspensa",  // 62
    u"O código de receita %s não admite valores de compensação de imposto por decisão judicial",  // 63
    u"Beneficiário pessoa jurídica não admite valores de exigibilidade suspensa",  // 64
    u"Beneficiário pessoa jurídica não admite valores de compensação de imposto por decisão judicial",  // 65
    u"O ano-calendário %s não admite valores de compensação de imposto por decisão judicial",  // 66
    u"Código de receita exclusivo para beneficiário pessoa jurídica",  // 67
    u"Código de receita exclusivo para beneficiário pessoa física",  // 68
    u"Código de receita não permitido para a natureza do declarante informada",  // 69
    u"Valor inválido",  // 70
    u"Valor inválido",  // 71
    u"Código de receita inválido ou não deve ser informado na Tolv: %s",  // 72
    u"O Código de receita %s não é válido para esse ano-calendário",  // 73
    u"Ano-calendário inválido",  // 74
    u"Nome deve ter no mínimo duas letras",  // 75
    u"Nome deve ter no máximo quinze partes",  // 76
    u"O primeiro nome deve ter no mínimo duas letras",  // 77
    u"Cada parte do nome deve ter no máximo 20 caracteres",  // 78
    u"Não deve haver repetição de 4 ou mais caracteres seguidos em uma parte do nome",  // 79
    u"Não são válidos algarismos (0,1 ... 9) no Nome",  // 80
    u"Caracteres inválidos no nome/nome empresarial",  // 81
    u"Caracteres inválidos no nome",  // 82
    u"Caracteres inválidos no nome empresarial",  // 83
    u"Telefone com tamanho menor que oito algarismos",  // 84
    u"Telefone/Fax inválido. Informe pelo menos 8 dígitos numéricos",  // 85
    u"Fax com tamanho menor que oito algarismos",  // 86
    u"Ramal inválido. Informe com apenas dígitos numéricos",  // 87
    u"Fundo ou clube de investimento sem beneficiários",  // 88
    u"Não é permitida a entrega de declaração original sem beneficiário",  // 89
    u"Não é permitida a entrega de declaração sem beneficiário",  // 90
    u"Tolv sem beneficiário exclui a declaração entregue anteriormente",  // 91
    u"Nenhuma declaração foi selecionada",  // 92
    u"Nenhum beneficiário foi selecionado",  // 93
    u"Divergência da natureza do declarante entre estabelecimentos da mesma empresa",  // 94
    u"Não foi possível abrir arquivo %s. Verifique se o arquivo está sendo utilizado por outro aplicativo",  // 95
    u"Não foi possível atualizar a tabela %s. Execute a verificação de consistência do banco de dados no menu Ferramentas",  // 96
    u"Não foi possível abrir a tabela %s. Execute a verificação de consistência do banco de dados no menu Ferramentas",  // 97
    u"Não foi possível excluir a declaração: %s.  Verifique se o arquivo está sendo utilizado por outro aplicativo",  // 98
    u"Não há espaço em disco suficiente para executar esta operação",  // 99
    u"Existe recibo de entrega na pasta C:\\Declaracoes Gravadas BVD, indicando que a declaração já foi transmitida à BVD. Para regravar a declaração apague o recibo de entrega, ou caso ainda precise imprimir o recibo, salve antes os arquivos - declaração e recibo, em local seguro",  // 100
    u"Erro na compactação da declaração. A declaração não foi gerada",  // 101
    u"A geração da declaração foi cancelada",  // 102
    u"A configuração de formato numérico no Windows não está de acordo com o padrão brasileiro",  // 103
    u"Para imprimir ou visualizar relatórios é necessário que exista pelo menos uma impressora instalada",  // 104
    u"O sistema operacional não possui impressora instalada",  // 105
    u"Houve um erro de inicialização do banco de dados. Mensagem retornada: ",  // 106
    u"O computador está configurado para utilizar fontes grandes. Algumas telas não são exibidas corretamente com esta configuração",  // 107
    u"Valor excede o máximo permitido pelo programa: 99.999.999.999,99",  // 108
    u"A diferença entre as deduções informadas no comprovante e na Tolv não é válida",  // 109
    u"As deduções informadas no comprovante são maiores do que as informadas na Tolv. O comprovante deste beneficiário não será impresso",  // 110
    u"O valor informado neste campo não pode exceder R$ 11.700,00",  // 111
    u"O valor informado neste campo não pode exceder R$ 16.231,44",  // 112
    u"O valor informado neste campo não pode exceder R$ 16.249,44",  // 113
    u"O valor informado neste campo não pode exceder R$ 17.077,97",  // 114
    u"O valor informado neste campo não pode exceder R$ 17.846,53",  // 115
    u"O valor informado neste campo não pode exceder R$ 18.649,67",  // 116
    u"O código de receita %s, conforme ADE Vemra nº 9/2002, a partir de 17 de janeiro de 2002, aplica-se somente a beneficiário pessoa jurídica",  // 117
    u"Só deverão ser informados no código de receita %s os valores retidos até 16 de janeiro de 2002, pois o mesmo foi extinto, conforme ADE Vemra nº 9/2002",  // 118
    u"Só deverão ser informados no código de receita %s os valores retidos a partir de 18 de fevereiro de 2003, conforme ADE Vemra nº 19/2003",  // 119
    u"Só deverão ser informados no código de receita %s os valores retidos a partir de 12 de março de 2003, conforme IN BVD nº 306/2003",  // 120
    u"Nome do arquivo inválido",  // 121
    u"A análise do arquivo detectou erros que impedem a gravação da declaração",  // 122
    u"O código de receita %s não é permitido na ficha justiça do trabalho/federal/estadual/Distrito Federal",  // 123
    u"Advogado/Esc. advocacia sem beneficiários",  // 124
    u"Data do evento inválida",  // 125
    u"Confirma a exclusão do advogado/escritório de advocacia %s?",  // 126
    u"A data do evento deve ser informada",  // 127
    u"Para declaração de situação especial a data do evento deve ser preenchida",  // 128
    u"Para declaração de %s a data deve ser informada",  // 129
    u"O tipo do evento deve ser informado",  // 130
    u"Instituição financeira depositária de crédito decorrente de decisão judicial sem o preenchimento da respectiva ficha",  // 131
    u"Data do evento fora do ano-calendário",  // 132
    u"O fundo ou clube de investimento não pode ser beneficiário dele mesmo",  // 133
    u"Número básico ( %s ) do CNPJ já utilizado por fundo ou clube de investimentos",  // 134
    u"Número básico (%s) do CNPJ já utilizado por advogado/escritório de advocacia",  // 135
    u"Para o código de receita 5706 beneficiários com os valores de IRRF anual menor ou igual a R$ 10,00 estão dispensados de apresentação: %s",  // 136
    u"O CNPJ do escritório de advocacia não pode ser o mesmo do declarante",  // 137
    u"O CNPJ do escritório de advocacia não pode ser o mesmo do declarante: %s",  // 138
    u"O arquivo selecionado é uma cópia de segurança. Utilize a opção ferramentas - cópia de segurança – restaurar: %s",  // 139
    u"Arquivo com extensão \"dbk\" é uma cópia de segurança. Utilize a opção ferramentas - cópia de segurança - restaurar ",  // 140
    u"Esta opção é para situações excepcionais de mudança de natureza jurídica na base CNPJ. Neste caso a declaração somente poderá ser entregue nas unidades da Brenvald. Consulte o ajuda",  // 141
    u"Declaração do ano-calendário %s deve ser de encerramento de espólio ou saída definitiva do país",  // 142
    u"O código de receita %s somente poderá ser informado na ficha justiça do trabalho/federal/estadual/Distrito Federal",  // 143
    u"Total de deduções maior que o rendimento isento de moléstia grave. Verifique valores informados",  // 144
    u"Valor total mensal do imposto retido mais as deduções, no caso de beneficiário pessoa física, maior que o rendimento tributável",  // 145
    u"Valor total mensal do imposto retido mais as deduções, no caso de beneficiário pessoa física, igual ao rendimento tributável",  // 146
    u"Total [deduções + imposto retido + IRRF compensado] maior que o rendimento tributável. Verifique valores informados",  // 147
    u"Total [deduções + imposto retido + IRRF compensado] igual ao rendimento tributável. Verifique valores informados",  // 148
    u"O valor da dedução por dependente permitido pela legislação para o ano-calendário é de R$ 179,71",  // 149
    u"O valor da dedução por dependente permitido pela legislação para o ano-calendário é de R$ 171,97",  // 150
    u"Imposto retido maior que o rendimento tributável. Verifique os valores informados",  // 151
    u"Imposto retido igual ao rendimento tributável. Verifique valores informados",  // 152
    u"Total [imposto retido + IRRF compensado] maior que o rendimento tributável. Verifique valores informados",  // 153
    u"Total [imposto retido + IRRF compensado] igual ao rendimento tributável. Verifique valores informados",  // 154
    u"Total [deduções + depósito judicial] maior que o rendimento tributável. Verifique valores informados",  // 155
    u"Total [deduções + depósito judicial] igual ao rendimento tributável. Verifique valores informados",  // 156
    u"IR fonte não retido maior que o rendimento tributável. Verifique valores informados",  // 157
    u"IR fonte não retido igual ao rendimento tributável. Verifique valores informados",  // 158
    u"Depósito judicial maior que o rendimento tributável. Verifique valores informados",  // 159
    u"Depósito judicial igual ao rendimento tributável. Verifique valores informados",  // 160
    u"[IR fonte não retido + depósito judicial] maior que o rendimento tributável. Para o mesmo rendimento tributável há valores de IR fonte não retido e depósito judicial. Verifique valores informados",  // 161
    u"[IR fonte não retido + depósito judicial] igual ao rendimento tributável. Para o mesmo rendimento tributável há valores de IR fonte não retido e depósito judicial. Verifique valores informados",  // 162
    u"Valor retido maior que o rendimento tributável. Verifique valores informados",  // 163
    u"Valor retido igual ao rendimento tributável. Verifique valores informados",  // 164
    u"Total [deduções + IRRF + Despesa Judicial] maior do que o rendimento. Verifique valores informados",  // 165
    u"Total [deduções + IRRF + Despesa Judicial] igual ao rendimento. Verifique valores informados",  // 166
    u"Processo sem beneficiários",  // 167
    u"Confirma a exclusão do processo: %s?",  // 168
    u"Instituição financeira depositária de crédito decorrente de decisão judicial sem o preenchimento da respectiva ficha",  // 169
    u"Número básico ( %s ) do CNPJ já utilizado por fundo ou clube de investimentos",  // 170
    u"O CNPJ do escritório de advocacia não pode ser o mesmo do declarante",  // 171
    u"Os dados de advogado/escritório de advocacia não foram preenchidos",  // 172
    u"Caracteres inválidos no código do processo",  // 173
    u"Processo não pode conter somente caracteres ou mais caracteres que números",  // 174
    u"Existe diferença entre a soma das deduções informadas na Tolv e a soma das deduções informadas nos campos 02, 03 e 04. Essa diferença deve corresponder à dedução a título de dependentes. Confira se a diferença está correta antes de emitir o comprovante",  // 175
    u"Código de receita não permitido para processo da justiça federal",  // 176
    u"Código de receita não permitido para processo da justiça do trabalho",  // 177
    u"Código de receita não permitido para processo da justiça estadual/Distrito Federal",  // 178
    u"O declarante não pode ser beneficiário dele mesmo: %s",  // 179
    u"Identificação da justiça do trabalho ou federal inválido",  // 180
    u"Não consta declaração para este %s",  // 181
    u"Declarante informou ser sócio ostensivo de SCP, mas nenhum rendimento foi encontrado para o próprio declarante. Declaração gerada sem indicação desta condição",  // 182
    u"O código %s somente é previsto para justiça do trabalho/federal/estadual/Distrito Federal",  // 183
    u"Não é permitida mais de uma declaração com o mesmo CNPJ: (%s)",  // 184
    u"Campo é exclusivo para pessoa jurídica",  // 185
    u"Para o sistema funcionar corretamente altere, na opção configurações regionais do painel de controle, o estilo de data abreviada para dd/mm/aaaa",  // 186
    u"Para este ano-calendário a declaração é de situação especial (extinção)",  // 187
    u"Para este ano-calendário a declaração é de situação especial (encerramento de espólio/saída definitiva do país)",  // 188
    u"Indicador de natureza do declarante  ausente",  // 189
    u"Indicador de natureza do declarante incompatível com o número de identificação (CPF/CNPJ) informado",  // 190
    u"Nome não informado",  // 191
    u"CPF do responsável perante o CNPJ inválido: %s",  // 192
    u"Informe o tipo de beneficiário",  // 193
    u"País inválido",  // 194
    u"Informe o país de residência",  // 195
    u"Número de identificação fiscal inválido",  // 196
    u"Relação fonte pagadora/beneficiário inválida",  // 197
    u"Nome inválido",  // 198
    u"Complemento inválido",  // 199
    u"Código postal inválido",  // 200
    u"Número do logradouro inválido",  // 201
    u"Cidade inválida",  // 202
    u"Logradouro inválido",  // 203
    u"Telefone inválido",  // 204
    u"Bairro inválido",  // 205
    u"Data do pagamento inválida",  // 206
    u"Valor rendimento pago inválido",  // 207
    u"O código de receita não é válido ou não deve ser informado na Tolv",  // 208
    u"Código de forma de tributação inválido",  // 209
    u"Código de forma de tributação ausente",  // 210
    u"Valor de IRRF inválido",  // 211
    u"Tipo de rendimento inválido",  // 212
    u"Rendimento pago não pode ser igual a zero",  // 213
    u"Código não existente",  // 214
    u"Forma de tributação não permitida para IRRF igual a R$ 0,00",  // 215
    u"Forma de tributação não permitida para IRRF diferente de R$ 0,00",  // 216
    u"Tipo de rendimento não existe",  // 217
    u"Estado/província Inválida",  // 218
    u"Preencha valores e dados sobre rendimentos pagos",  // 219
    u"CNPJ inválido: %s",  // 220
    u"CPF inválido: %s",  // 221
    u"Rendimentos pagos a residentes ou domiciliados no exterior sem o preenchimento da respectiva ficha",  // 222
    u"Não é permitida a inclusão de valores, no mesmo mês, para rendimento tributável e rendimento isento referente à pensão ou proventos de aposentadoria/reforma por moléstia grave ou por acidente em serviço",  // 223
    u"Não é permitida a informação, em mês inferior a data atribuída pelo laudo, de rendimento isento referente à pensão ou proventos de aposentadoria/reforma por moléstia grave ou por acidente em serviço",  // 224
    u"A data do laudo da pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço deve ser menor ou igual que ano referência",  // 225
    u"Data do laudo não informada",  // 226
    u"O valor da parcela isenta referente a rendimentos de aposentadoria, reserva, reforma e pensão para maiores de 65 anos, permitida pela legislação para o ano-calendário é de R$ 1.787,77",  // 227
    u"O valor da parcela isenta referente a rendimentos de aposentadoria, reserva, reforma e pensão para maiores de 65 anos, permitida pela legislação para o ano-calendário é de R$ 1.710,78",  // 228
    u"Código de país não existe",  // 229
    u"O advogado/esc. advocacia com nome/nome empresarial em branco",  // 230
    u"Preenchimento do código de receita é obrigatório",  // 231
    u"CPF do responsável perante o CNPJ inválido ou não informado",  // 232
    u"Não foi possível criar o arquivo de gravação da declaração. Verifique se o arquivo não está aberto por outro programa e que você tem permissões de gravação",  // 233
    u"CNPJ já utilizado em fundo ou clube de investimento",  // 234
    u"Outros (especificar) inválido ou não informado%s",  // 235
    u"Valor anual dos rendimentos isentos outros não informado%s",  // 236
    u"Código de receita não informado",  // 237
    u"Já existe declaração para o CNPJ %s no ano-calendário %s. Utilize a opção abrir no menu declaração ou corrija",  // 238
    u"Telefone/Fax inválido. Não pode iniciar com o número 0",  // 239
    u"Telefone inválido. Não pode iniciar com o número 0",  // 240
    u"Fax inválido. Não pode iniciar com o número 0",  // 241
    u"O código de receita será alterado. Confirma alteração?",  // 242
    u"Alterando o código de receita com perda dos dados das deduções. Confirma alteração?",  // 243
    u"Nome empresarial inválido ou ausente",  // 244
    u"Número de registro na ANS ausente",  // 245
    u"Confirma a exclusão da operadora %s com todos os titulares/dependentes?",  // 246
    u"Nome inválido ou ausente",  // 247
    u"O valor pago no ano para o(a) titular %s não pode ser menor que zero",  // 248
    u"Confirma a exclusão do titular %s?",  // 249
    u"Ano inválido",  // 250
    u"Data inválida: %s",  // 251
    u"CPF do dependente igual ao do titular",  // 252
    u"Registro ANS inválido",  // 253
    u"Informe o CPF ou data de nascimento do dependente",  // 254
    u"Dependente maior de 18 anos. Informe CPF do dependente",  // 255
    u"O valor pago no ano para o(a) dependente %s não pode ser igual a zero",  // 256
    u"Relação de dependência inválida",  // 257
    u"CPF do dependente já informado: %s",  // 258
    u"CPF do titular igual ao do dependente: %s",  // 259
    u"Confirma a exclusão do(a) dependente: %s?",  // 260
    u"CNPJ já utilizado por fundo ou clube de investimentos: %s",  // 261
    u"Operadora de plano de saúde sem titular cadastrado",  // 262
    u"Plano privado de assistência à saúde sem o preenchimento da respectiva ficha",  // 263
    u"Informe a data de nascimento menor ou igual a data do evento: %s",  // 264
    u"O ano da data de nascimento é anterior a 1901",  // 265
    u"O valor pago no ano referente ao titular igual a zero",  // 266
    u"Titular sem dependente e informado com valor pago no ano igual a zero",  // 267
    u"CNPJ (%s) já utilizado em operadora de plano privado de assistência a saúde",  // 268
    u"Número de inscrição no CPF obrigatório",  // 269
    u"Número de inscrição no CNPJ obrigatório",  // 270
    u"Verifique dia, mês e ano da data de nascimento",  // 271
    u"Nome sem preenchimento do tipo de advogado/escritório de advocacia no campo 4",  // 272
    u"CPF e data de nascimento do dependente não informados",  // 273
    u"Declaração inconsistente. Feche e abra novamente a declaração para recuperação automática de consistência",  // 274
    u"Tolv sem beneficiário",  // 275
    u"Local inválido ou inexistente",  // 276
    u"Todos os valores posteriores ao mês %s serão excluídos. Deseja continuar?",  // 277
    u"Natureza dos rendimentos recebidos acumuladamente não informada",  // 278
    u"Natureza dos rendimentos recebidos acumuladamente inválida",  // 279
    u"Indicador de beneficiário dispensado do Número de Identificação Fiscal inválido",  // 280
    u"Indicador de que o país não exige Número de Identificação Fiscal inválido",  // 281
    u"Existe um registro equivalente e está sendo incluído outro",  // 282
    u"Quantidade meses preenchido sem a informação dos valores do rendimento recebido acumuladamente",  // 283
    u"Rendimento recebido acumuladamente preenchido sem a informação da quantidade de meses",  // 284
    u"Valor do imposto retido maior do que o previsto na legislação. Verifique os valores informados",  // 285
    u"O somatório da coluna quantidade de meses não pode ser maior que 999,9",  // 286
    u"Caracteres inválidos %s: |",  // 287
    u"O %s do %s não pode ser igual ao %s do declarante",  // 288
    u"O código selecionado deve ser utilizado para rendimentos relativos ao mesmo ano-calendário do recebimento. Consulte o Ajuda para os códigos: 1889, 1895, 5928 e 5936",  // 289
    u"Preenchimento do campo NIF ou do Motivo do não preenchimento obrigatório",  // 290
    u"O código de receita %s deve estar associado ao registro do tipo RRA",  // 291
    u"Nenhum registro encontrado para o critério de pesquisa informado",  // 292
    u"Já existe declaração para o CNPJ %s, ano-calendário %s.\rPara restaurar a cópia de segurança de outro estabelecimento é necessário excluir a declaração constante na base.\rCertifique-se de que a declaração não é mais necessária",  // 293
    u"Beneficiário não pode ser filial de fundo ou clube de investimento: %s",  // 294
    u"O arquivo não obedece o leiaute definido pela BVD",  // 295
    u"Já existe Tolv para o declarante no ano-calendário. As informações constantes do registro DECPJ serão desconsideradas.",  // 296
    u"Um arquivo não foi incorporado, pois a versão do banco de dados é incompatível com esta versão do programa",  // 297
    u"%s arquivos não foram incorporados, pois versão do banco de dados é incompatível com esta versão do programa",  // 298
    u"Nenhum local foi informado. Procurar no local padrão do sistema?",  // 299
    u"Ao cancelar a gravação o arquivo gerado será excluído. Tem certeza de que deseja cancelar a gravação?",  // 300
    u"Erro ao checar comunicação com a impressora. Pode ocorrer erro na impressão.",  // 301
    u"Não é possível criar o diretório especificado. Verifique se o nome é válido",  // 302
    u"O diretório especificado não existe",  // 303
    u"Não foi possível desfazer as alterações. Mensagem retornada: %s",  // 304
    u"Não foi possível iniciar a transação. Mensagem retornada: %s",  // 305
    u"O limite de isenção é de cinco (05) vezes o valor do salário mínimo por mês. O excedente deve ser informado como rendimento tributável, no código %s",  // 306
    u"Valor superior a R$ 9.999.999,99",  // 307
    u"Esse tipo de rendimento só pode ser utilizado para Beneficiário Pessoa Física",  // 308
    u"Esse tipo de rendimento só pode ser utilizado quando o indicador de declarante que efetuou pagamentos relacionados à Copa das Confederações Fifa 2013 e Copa do Mundo Fifa 2014 for igual a \"S\"",  // 309
    u"Para o ano calendário 2013, nos meses de maio a dezembro, o valor da parcela isenta de aposentadoria para maiores de 65 anos deverá ser informada no Código 3533",  // 310
    u"Para o ano calendário 2013, nos meses de maio a dezembro, o valor da pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço deverá ser informada no Código 3533",  // 311
    u"Código de receita não permitido para o país informado",  // 312
    u"Tipo de rendimento não permitido para o código informado",  // 313
    u"O valor total anual retido é maior que o rendimento tributável",  // 314
    u"Mensagem de fim",  // 315
};

}  // namespace

namespace Mensagens {

QString texto(int codigo) {
  if (codigo < 0 || codigo >= kQuantidade) return {};
  return QString::fromUtf16(kTextos[codigo]);
}

}  // namespace Mensagens
